#include "services/LorivexUtils.h"

#include <cctype>

#include "platform/FileSystem.h"
#include "platform/Guid.h"
#include "platform/Registry.h"
#include "platform/SpecialFolders.h"

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

std::string GetLorivexDir()
{
    return Guarded(UtilsUnit, "GetLorivexDir", [&] {
        using namespace platform;
        auto& registry = GetRegistry();
        if (!registry.KeyExists(RootKey::ClassesRoot, AddInServerKey()))
            throw Exception("Lorivex requires a higher permission than the current.");
        return ExtractFilePath(registry.ReadString(RootKey::ClassesRoot, AddInServerKey(), ""));
    });
}

} // namespace lorivex
