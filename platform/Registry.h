#pragma once
// The registry: keys under three roots, string and DWORD values. Key paths use
// the backslash on every platform; key and value names compare without regard
// to case. The empty value name is a key's default value.
//
// Each platform stores it its own way (the system's registry on Windows, a
// file per hive on POSIX); what the callers see does not differ: the same
// answers, the same failure texts, the same context line ("Registry." and the
// operation) in a failure's trace.
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

    bool KeyExists(RootKey root, const std::string& key);
    // True when the key exists and this user may open it for reading.
    bool CanRead(RootKey root, const std::string& key);
    // Creates the key and its missing parents; false when that is not allowed.
    bool CreateKey(RootKey root, const std::string& key);
    // Removes the key with everything below it; false when it did not exist.
    // The root itself is never removed.
    bool DeleteKey(RootKey root, const std::string& key);
    std::vector<std::string> GetKeyNames(RootKey root, const std::string& key);
    std::vector<std::string> GetValueNames(RootKey root, const std::string& key);

    // ValueKind::None when the key or the value does not exist.
    ValueKind GetValueKind(RootKey root, const std::string& key, const std::string& name);
    // Reading a missing value or one of another kind raises an Exception.
    std::string ReadString(RootKey root, const std::string& key, const std::string& name);
    uint32_t ReadDWord(RootKey root, const std::string& key, const std::string& name);
    // Writing creates the key when it is missing.
    void WriteString(RootKey root, const std::string& key, const std::string& name, const std::string& value);
    void WriteDWord(RootKey root, const std::string& key, const std::string& name, uint32_t value);
    // All values at once, creating the key when missing: where the registry
    // allows it, another process sees either all of them or none.
    void WriteValues(RootKey root, const std::string& key, const std::vector<RegistryValue>& values);
    // False when there was no such value.
    bool DeleteValue(RootKey root, const std::string& key, const std::string& name);

protected:
    // A value as a back end found it: Kind None when there is none; a value
    // of a kind the system does not use (binary ...) has Kind None and
    // Foreign set.
public:
    struct StoredValue {
        ValueKind Kind = ValueKind::None;
        bool Foreign = false;
        std::string Text;
        uint32_t Number = 0;
    };

protected:
    virtual bool DoKeyExists(RootKey root, const std::string& key) = 0;
    virtual bool DoCanRead(RootKey root, const std::string& key) = 0;
    virtual bool DoCreateKey(RootKey root, const std::string& key) = 0;
    virtual bool DoDeleteKey(RootKey root, const std::string& key) = 0;
    virtual std::vector<std::string> DoGetKeyNames(RootKey root, const std::string& key) = 0;
    virtual std::vector<std::string> DoGetValueNames(RootKey root, const std::string& key) = 0;
    virtual StoredValue DoReadValue(RootKey root, const std::string& key, const std::string& name) = 0;
    virtual void DoWriteValues(RootKey root, const std::string& key, const std::vector<RegistryValue>& values) = 0;
    virtual bool DoDeleteValue(RootKey root, const std::string& key, const std::string& name) = 0;

private:
    StoredValue ValueToRead(RootKey root, const std::string& key, const std::string& name, ValueKind kind);
};

// The registry of this process (the system's on Windows, the user's hive
// files on POSIX).
Registry& GetRegistry();

std::string RootKeyName(RootKey root); // "HKEY_CURRENT_USER" ...
// The parts of a key path: "\Software\\Vantrell\" gives Software, Vantrell.
std::vector<std::string> SplitKeyPath(const std::string& key);
// "HKEY_CURRENT_USER\Software\Vantrell", as the failure texts name a key.
std::string KeyPathText(RootKey root, const std::string& key);

} // namespace lorivex::platform
