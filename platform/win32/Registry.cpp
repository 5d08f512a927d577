#include "platform/Registry.h"

#include <cstring>
#include <optional>

#include "platform/win32/Win32Api.h"
#include "base/Exception.h"

namespace lorivex::platform {

using win32::Narrow;
using win32::UniqueRegKey;
using win32::Widen;

namespace {

HKEY RootHandle(RootKey root)
{
    switch (root) {
    case RootKey::CurrentUser: return HKEY_CURRENT_USER;
    case RootKey::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RootKey::ClassesRoot: return HKEY_CLASSES_ROOT;
    }
    return HKEY_CURRENT_USER;
}

// Callers write key paths as "\Software\..." as often as "Software\...";
// the registry functions reject the leading backslash.
std::wstring SubKey(const std::string& key)
{
    size_t first = key.find_first_not_of('\\');
    if (first == std::string::npos)
        return {};
    size_t last = key.find_last_not_of('\\');
    return Widen(std::string_view(key).substr(first, last - first + 1));
}

UniqueRegKey OpenKey(RootKey root, const std::string& key, REGSAM access, LSTATUS* status = nullptr)
{
    HKEY handle = nullptr;
    LSTATUS result = RegOpenKeyExW(RootHandle(root), SubKey(key).c_str(), 0, access, &handle);
    if (status)
        *status = result;
    return UniqueRegKey(result == ERROR_SUCCESS ? handle : nullptr);
}

UniqueRegKey CreateOrOpenKey(RootKey root, const std::string& key, REGSAM access,
                             LSTATUS* status)
{
    HKEY handle = nullptr;
    *status = RegCreateKeyExW(RootHandle(root), SubKey(key).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, access, nullptr, &handle, nullptr);
    return UniqueRegKey(*status == ERROR_SUCCESS ? handle : nullptr);
}

struct RawValue {
    DWORD Type = REG_NONE;
    std::string Data;
};

std::optional<RawValue> Query(RootKey root, const std::string& key, const std::string& name)
{
    UniqueRegKey handle = OpenKey(root, key, KEY_QUERY_VALUE);
    if (!handle)
        return std::nullopt;
    std::wstring valueName = Widen(name);
    RawValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(handle.get(), valueName.c_str(), nullptr, &value.Type,
                                      nullptr, &size);
    // Another process may grow the value between the two calls.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        value.Data.resize(size);
        status = RegQueryValueExW(handle.get(), valueName.c_str(), nullptr, &value.Type,
                                  reinterpret_cast<BYTE*>(value.Data.data()), &size);
        if (status == ERROR_SUCCESS) {
            value.Data.resize(size);
            return value;
        }
    }
    return std::nullopt;
}

bool IsString(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

class Win32Registry : public Registry {
protected:
    bool DoKeyExists(RootKey root, const std::string& key) override
    {
        LSTATUS status = ERROR_SUCCESS;
        OpenKey(root, key, KEY_READ, &status);
        // A key we may not read is still there.
        return status == ERROR_SUCCESS || status == ERROR_ACCESS_DENIED;
    }

    bool DoCanRead(RootKey root, const std::string& key) override
    {
        return OpenKey(root, key, KEY_READ) != nullptr;
    }

    bool DoCreateKey(RootKey root, const std::string& key) override
    {
        LSTATUS status = ERROR_SUCCESS;
        return CreateOrOpenKey(root, key, KEY_WRITE, &status) != nullptr;
    }

    bool DoDeleteKey(RootKey root, const std::string& key) override
    {
        if (!DoKeyExists(root, key))
            return false;
        return RegDeleteTreeW(RootHandle(root), SubKey(key).c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::string> DoGetKeyNames(RootKey root, const std::string& key) override
    {
        std::vector<std::string> names;
        UniqueRegKey handle = OpenKey(root, key, KEY_READ);
        if (!handle)
            return names;
        std::wstring buffer(256, L'\0'); // the longest key name the registry allows is 255
        for (DWORD index = 0;; ++index) {
            DWORD length = DWORD(buffer.size());
            LSTATUS status = RegEnumKeyExW(handle.get(), index, buffer.data(), &length, nullptr,
                                           nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS)
                break;
            names.push_back(Narrow(std::wstring_view(buffer.data(), length)));
        }
        return names;
    }

    std::vector<std::string> DoGetValueNames(RootKey root, const std::string& key) override
    {
        std::vector<std::string> names;
        UniqueRegKey handle = OpenKey(root, key, KEY_READ);
        if (!handle)
            return names;
        std::wstring buffer(16384, L'\0'); // value names are at most 16383 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = DWORD(buffer.size());
            LSTATUS status = RegEnumValueW(handle.get(), index, buffer.data(), &length, nullptr,
                                           nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS)
                break;
            names.push_back(Narrow(std::wstring_view(buffer.data(), length)));
        }
        return names;
    }

    StoredValue DoReadValue(RootKey root, const std::string& key, const std::string& name) override
    {
        auto value = Query(root, key, name);
        StoredValue stored;
        if (!value)
            return stored;
        if (IsString(value->Type)) {
            std::wstring text(value->Data.size() / sizeof(wchar_t), L'\0');
            std::memcpy(text.data(), value->Data.data(), text.size() * sizeof(wchar_t));
            // Other programs store strings with, without or with several
            // terminators; the text ends at the first one.
            if (size_t end = text.find(L'\0'); end != std::wstring::npos)
                text.resize(end);
            stored.Kind = ValueKind::String;
            stored.Text = Narrow(text);
        } else if (value->Type == REG_DWORD && value->Data.size() == sizeof(uint32_t)) {
            stored.Kind = ValueKind::DWord;
            std::memcpy(&stored.Number, value->Data.data(), sizeof stored.Number);
        } else {
            stored.Foreign = true; // binary and multi-string values are not ours
        }
        return stored;
    }

    // The system registry has no transaction for a set of values; each one
    // is written on its own, as any Windows program writes them.
    void DoWriteValues(RootKey root, const std::string& key, const std::vector<RegistryValue>& values) override
    {
        for (const auto& value : values) {
            if (value.Kind == ValueKind::DWord) {
                DWORD data = value.Number;
                Write(root, key, value.Name, REG_DWORD, &data, sizeof data);
            } else {
                std::wstring text = Widen(value.Text);
                Write(root, key, value.Name, REG_SZ, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)));
            }
        }
    }

    bool DoDeleteValue(RootKey root, const std::string& key, const std::string& name) override
    {
        UniqueRegKey handle = OpenKey(root, key, KEY_SET_VALUE);
        if (!handle)
            return false;
        return RegDeleteValueW(handle.get(), Widen(name).c_str()) == ERROR_SUCCESS;
    }

private:
    static void Write(RootKey root, const std::string& key, const std::string& name, DWORD type,
                      const void* data, DWORD size)
    {
        LSTATUS status = ERROR_SUCCESS;
        UniqueRegKey handle = CreateOrOpenKey(root, key, KEY_SET_VALUE, &status);
        if (handle)
            status = RegSetValueExW(handle.get(), Widen(name).c_str(), 0, type,
                                    static_cast<const BYTE*>(data), size);
        if (status != ERROR_SUCCESS)
            throw Exception("Cannot write " + (name.empty() ? std::string("the default value") : "the value \"" + name + "\"")
                            + " of " + KeyPathText(root, key) + ": " + win32::SystemErrorText(DWORD(status)));
    }
};

} // namespace

Registry& GetRegistry()
{
    static Win32Registry registry;
    return registry;
}

} // namespace lorivex::platform
