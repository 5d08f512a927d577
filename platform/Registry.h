#pragma once
// The registry: keys under three roots, string and DWORD values. Key paths use
// the backslash on every platform; key and value names compare without regard
// to case. The empty value name is a key's default value.
#include <cstdint>
#include <string>
#include <vector>

namespace lorivex::platform {

enum class RootKey { CurrentUser, LocalMachine, ClassesRoot };
enum class ValueKind { None, String, DWord };

struct RegistryValue {
    std::string Name;
    ValueKind Kind = ValueKind::String;
    std::string Text;    // for String
    uint32_t Number = 0; // for DWord
};

class Registry {
public:
    virtual ~Registry() = default;

    virtual bool KeyExists(RootKey root, const std::string& key) = 0;
    // Creates the key and its missing parents; false when that is not allowed.
    virtual bool CreateKey(RootKey root, const std::string& key) = 0;
    // Removes the key with everything below it; false when it did not exist.
    virtual bool DeleteKey(RootKey root, const std::string& key) = 0;
    virtual std::vector<std::string> GetKeyNames(RootKey root, const std::string& key) = 0;
    virtual std::vector<std::string> GetValueNames(RootKey root, const std::string& key) = 0;

    // ValueKind::None when the key or the value does not exist.
    virtual ValueKind GetValueKind(RootKey root, const std::string& key, const std::string& name) = 0;
    // Reading a missing value or one of another kind raises an Exception.
    virtual std::string ReadString(RootKey root, const std::string& key, const std::string& name) = 0;
    virtual uint32_t ReadDWord(RootKey root, const std::string& key, const std::string& name) = 0;
    // Writing creates the key when it is missing.
    virtual void WriteString(RootKey root, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    virtual void WriteDWord(RootKey root, const std::string& key, const std::string& name,
                            uint32_t value) = 0;
    // All values at once, creating the key when missing: where the registry
    // allows it, another process sees either all of them or none.
    virtual void WriteValues(RootKey root, const std::string& key, const std::vector<RegistryValue>& values) = 0;
    // False when there was no such value.
    virtual bool DeleteValue(RootKey root, const std::string& key, const std::string& name) = 0;
};

// The registry of this process (the system's on Windows, the user's hive
// files on POSIX).
Registry& GetRegistry();

std::string RootKeyName(RootKey root); // "HKEY_CURRENT_USER" ...

} // namespace lorivex::platform
