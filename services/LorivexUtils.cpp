#include "services/LorivexUtils.h"

#include <cctype>

#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Guid.h"
#include "platform/Library.h"
#include "platform/Registry.h"
#include "platform/SpecialFolders.h"
#include "services/MessageHook.h"

namespace lorivex {

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        result.append(text, start, at - start);
        result += to;
        start = at + from.size();
    }
    result.append(text, start, std::string::npos);
    text.swap(result);
}

bool SameTextW(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= u'A' && x <= u'Z') x = char16_t(x + 32);
        if (y >= u'A' && y <= u'Z') y = char16_t(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

// The first property of the collection with that name, or nullptr.
word::DocumentPropertyPtr FindProperty(const std::vector<word::DispatchPtr>& items, const std::u16string& name)
{
    for (const auto& item : items)
        if (auto property = std::dynamic_pointer_cast<word::DocumentProperty>(item))
            if (SameTextW(property->Name(), name))
                return property;
    return nullptr;
}

} // namespace

std::string AddInServerKey()
{
    return std::string("CLSID\\") + AddInClsid + "\\InProcServer32";
}

std::string JavaScriptStr(const std::string& text)
{
    return Guarded(UtilsUnit, "JavaScriptStr", [&] {
        // The order matters: later passes insert backslashes and apostrophes
        // that the earlier passes must not see.
        std::string result = text;
        ReplaceAll(result, "\\", "\\\\");
        ReplaceAll(result, "'", "\\'");
        ReplaceAll(result, "\r", "' + String.fromCharCode(13) + '");
        ReplaceAll(result, "\n", "' + String.fromCharCode(10) + '");
        return result;
    });
}

std::string HtmlEncode(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\0': return result;
        case '"': result += "&quot;"; break;
        case '&': result += "&amp;"; break;
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        default: result += c;
        }
    }
    return result;
}

void SplitString(const std::string& text, char separator, TStringList& list)
{
    Guarded(UtilsUnit, "SplitString", [&] {
        list.Clear();
        size_t start = 0;
        for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
            list.Add(text.substr(start, at - start));
            start = at + 1;
        }
        if (start < text.size())
            list.Add(text.substr(start));
    });
}

std::string GetTempDir()
{
    return Guarded(UtilsUnit, "GetTempDir", [&] { return platform::GetTempPath(); });
}

bool DeleteFolderContents(const std::string& folder)
{
    return Guarded(UtilsUnit, "DeleteFolderContents", [&] {
        using namespace platform;
        const std::string p = IncludeTrailingPathDelimiter(folder);
        for (const auto& entry : ListDirectory(p)) {
            if (entry.IsLink) {
                // Only the link goes, never what it leads to.
                DeleteLink(p + entry.Name);
                continue;
            }
            if (entry.IsDirectory) {
                // Hidden folders (".git", ".svn") are not ours to remove.
                if (entry.Name[0] != '.')
                    DeleteFolderContents(p + entry.Name);
                continue;
            }
            if (entry.IsReadOnly)
                ClearReadOnly(p + entry.Name);
            DeleteFile(p + entry.Name);
        }
        return RemoveDir(p);
    });
}

std::string GetUniqueID()
{
    std::string id;
    for (char c : platform::NewGuidString())
        if (std::isalnum(static_cast<unsigned char>(c)))
            id += c;
    return id;
}

namespace {

std::string& UnregisteredLorivexDir()
{
    static std::string folder;
    return folder;
}

} // namespace

void SetUnregisteredLorivexDir(const std::string& folder)
{
    UnregisteredLorivexDir() = folder.empty() ? folder : platform::IncludeTrailingPathDelimiter(folder);
}

std::string GetLorivexDir()
{
    return Guarded(UtilsUnit, "GetLorivexDir", [&] {
        using namespace platform;
        auto& registry = GetRegistry();
        const std::string& fallback = UnregisteredLorivexDir();
        if (!fallback.empty() && !registry.KeyExists(RootKey::ClassesRoot, AddInServerKey()))
            return fallback;
        if (!registry.CanRead(RootKey::ClassesRoot, AddInServerKey()))
            throw Exception("Lorivex requires a higher permission than the current.");
        if (registry.GetValueKind(RootKey::ClassesRoot, AddInServerKey(), "") != ValueKind::String)
            return fallback;
        const std::string binary = registry.ReadString(RootKey::ClassesRoot, AddInServerKey(), "");
        if (!fallback.empty() && !FileExists(binary))
            return fallback;
        return ExtractFilePath(binary);
    });
}

std::string GetDocProperty(const word::DocumentPtr& document, const std::string& name)
{
    return Guarded(UtilsUnit, "GetDocProperty", [&] {
        auto items = GetCollectionItems(*document->CustomDocumentProperties());
        auto property = FindProperty(items, platform::AnsiToUtf16(name));
        return property ? platform::Utf16ToAnsi(property->Value().ToText()) : std::string();
    });
}

void SetDocProperty(const word::DocumentPtr& document, const std::string& name, const std::string& value)
{
    Guarded(UtilsUnit, "SetDocProperty", [&] {
        auto properties = document->CustomDocumentProperties();
        auto items = GetCollectionItems(*properties);
        auto text = word::Variant::Text(platform::AnsiToUtf16(value));
        if (auto property = FindProperty(items, platform::AnsiToUtf16(name)))
            property->SetValue(text);
        else
            properties->Add(platform::AnsiToUtf16(name), false, word::PropertyTypeString, text);
    });
}

void SetBuiltInDocProperty(const word::DocumentPtr& document, const std::string& name, const word::Variant& value,
                           long type, bool linkToContent)
{
    Guarded(UtilsUnit, "SetBuiltInDocProperty", [&] {
        auto items = GetCollectionItems(*document->BuiltInDocumentProperties());
        if (auto property = FindProperty(items, platform::AnsiToUtf16(name)))
            property->SetValue(value);
        else
            document->CustomDocumentProperties()->Add(platform::AnsiToUtf16(name), linkToContent, type, value);
    });
}

std::vector<word::DispatchPtr> GetCollectionItems(word::Enumerable& collection)
{
    std::vector<word::DispatchPtr> items;
    auto enumerator = collection.NewEnum();
    if (!enumerator)
        return items;
    while (auto item = enumerator->Next())
        items.push_back(std::move(item));
    return items;
}

word::FieldPtr GetRangeField(const word::RangePtr& range, long type, const std::string& prefix)
{
    return Guarded(UtilsUnit, "GetRangeField", [&] {
        const std::u16string wanted = platform::AnsiToUtf16(prefix);
        word::FieldPtr result;
        auto fields = range->Fields();
        for (long i = 1, count = fields->Count(); i <= count; ++i) {
            auto field = fields->Item(i);
            // Later matches win: the topic's own field is the last one.
            if (field->Type() == type && field->Code()->Text().starts_with(wanted))
                result = field;
        }
        return result;
    });
}

void ShrinkHTML(const std::string& fileName)
{
    Guarded(UtilsUnit, "ShrinkHTML", [&] {
        auto library = platform::LoadLibrary("MSFilter.dll");
        if (!library)
            throw Exception("The MSFilter.dll is missing, reinstalling \"Office 2000 HTML Filter 2.0\" will solve "
                            "this issue.");
#ifdef _WIN32
        using PeelProc = int(__stdcall*)(const char*, const char*);
#else
        using PeelProc = int (*)(const char*, const char*);
#endif
        auto peel = reinterpret_cast<PeelProc>(library->GetProcAddress("MSPeelerMain"));
        if (!peel) {
            ShowMessage("PeelProc is nil");
            return;
        }
        peel(fileName.c_str(), "-tfrb");
    });
}

} // namespace lorivex
