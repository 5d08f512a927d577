// What the registry is on every platform: names, failure texts and the
// context of a failure. The back ends only store and find.
#include "platform/Registry.h"

#include "base/Exception.h"
#include "base/Guarded.h"

namespace lorivex::platform {

namespace {

constexpr char Context[] = "Registry";

std::string ValueText(RootKey root, const std::string& key, const std::string& name)
{
    return (name.empty() ? std::string("The default value") : "The registry value \"" + name + "\"") + " of "
         + KeyPathText(root, key);
}

const char* Mismatch(const Registry::StoredValue& value)
{
    if (value.Kind == ValueKind::String)
        return " is a string, not a number (DWORD)";
    if (value.Kind == ValueKind::DWord)
        return " is a number, not a string";
    return " is neither a string nor a number";
}

} // namespace

std::string RootKeyName(RootKey root)
{
    switch (root) {
    case RootKey::CurrentUser: return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RootKey::ClassesRoot: return "HKEY_CLASSES_ROOT";
    }
    return "HKEY_UNKNOWN_ROOT";
}

std::vector<std::string> SplitKeyPath(const std::string& key)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= key.size()) {
        size_t end = key.find('\\', start);
        if (end == std::string::npos)
            end = key.size();
        if (end > start)
            parts.push_back(key.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string KeyPathText(RootKey root, const std::string& key)
{
    std::string text = RootKeyName(root);
    for (const std::string& part : SplitKeyPath(key))
        text += "\\" + part;
    return text;
}

Registry::StoredValue Registry::ValueToRead(RootKey root, const std::string& key, const std::string& name,
                                            ValueKind kind)
{
    StoredValue value = DoReadValue(root, key, name);
    if (value.Kind == ValueKind::None && !value.Foreign)
        throw Exception(ValueText(root, key, name) + " does not exist");
    if (value.Kind != kind)
        throw Exception(ValueText(root, key, name) + Mismatch(value));
    return value;
}

bool Registry::KeyExists(RootKey root, const std::string& key)
{
    return Guarded(Context, "KeyExists", [&] { return DoKeyExists(root, key); });
}

bool Registry::CanRead(RootKey root, const std::string& key)
{
    return Guarded(Context, "CanRead", [&] { return DoCanRead(root, key); });
}

bool Registry::CreateKey(RootKey root, const std::string& key)
{
    return Guarded(Context, "CreateKey", [&] { return DoCreateKey(root, key); });
}

bool Registry::DeleteKey(RootKey root, const std::string& key)
{
    return Guarded(Context, "DeleteKey", [&] {
        if (SplitKeyPath(key).empty())
            throw Exception("The root key " + RootKeyName(root) + " cannot be deleted");
        return DoDeleteKey(root, key);
    });
}

std::vector<std::string> Registry::GetKeyNames(RootKey root, const std::string& key)
{
    return Guarded(Context, "GetKeyNames", [&] { return DoGetKeyNames(root, key); });
}

std::vector<std::string> Registry::GetValueNames(RootKey root, const std::string& key)
{
    return Guarded(Context, "GetValueNames", [&] { return DoGetValueNames(root, key); });
}

ValueKind Registry::GetValueKind(RootKey root, const std::string& key, const std::string& name)
{
    return Guarded(Context, "GetValueKind", [&] { return DoReadValue(root, key, name).Kind; });
}

std::string Registry::ReadString(RootKey root, const std::string& key, const std::string& name)
{
    return Guarded(Context, "ReadString",
                   [&] { return ValueToRead(root, key, name, ValueKind::String).Text; });
}

uint32_t Registry::ReadDWord(RootKey root, const std::string& key, const std::string& name)
{
    return Guarded(Context, "ReadDWord", [&] { return ValueToRead(root, key, name, ValueKind::DWord).Number; });
}

void Registry::WriteString(RootKey root, const std::string& key, const std::string& name, const std::string& value)
{
    Guarded(Context, "WriteString",
            [&] { DoWriteValues(root, key, {RegistryValue{name, ValueKind::String, value, 0}}); });
}

void Registry::WriteDWord(RootKey root, const std::string& key, const std::string& name, uint32_t value)
{
    Guarded(Context, "WriteDWord", [&] { DoWriteValues(root, key, {RegistryValue{name, ValueKind::DWord, {}, value}}); });
}

void Registry::WriteValues(RootKey root, const std::string& key, const std::vector<RegistryValue>& values)
{
    Guarded(Context, "WriteValues", [&] { DoWriteValues(root, key, values); });
}

bool Registry::DeleteValue(RootKey root, const std::string& key, const std::string& name)
{
    return Guarded(Context, "DeleteValue", [&] { return DoDeleteValue(root, key, name); });
}

} // namespace lorivex::platform
