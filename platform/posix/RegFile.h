#pragma once
// One hive of the POSIX registry in memory, and its REGEDIT4 text form: the
// text a person can read, edit, and import into a Windows registry as it is.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace lorivex::platform {

// Names compare as every name of the system does: every letter of the ANSI
// code page, in which the names are written, without regard to case.
bool SameName(std::string_view a, std::string_view b);

struct HiveValue {
    std::string Name; // "" for the key's default value
    ValueKind Kind = ValueKind::String;
    std::string Text;
    uint32_t DWord = 0;
};

class HiveKey {
public:
    explicit HiveKey(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::vector<HiveKey>& SubKeys() const { return subKeys_; }
    const std::vector<HiveValue>& Values() const { return values_; }

    // Lookups below this key; nullptr when a part of the path is missing.
    const HiveKey* Find(const std::vector<std::string>& path) const;
    HiveKey* Find(const std::vector<std::string>& path);
    // Finds or makes the key and its missing parents.
    HiveKey& Create(const std::vector<std::string>& path);
    // Removes the key at the path with everything below it; false when it
    // was not there. An empty path names this key itself, which stays.
    bool Remove(const std::vector<std::string>& path);

    const HiveValue* FindValue(std::string_view name) const;
    // Sets or replaces the value; a replaced value keeps its name's case.
    void SetValue(HiveValue value);
    bool RemoveValue(std::string_view name);

private:
    std::string name_;
    std::vector<HiveKey> subKeys_; // sorted without regard to case, as regedit lists them
    std::vector<HiveValue> values_; // in the order they were first written
};

// Reads the text of a hive file whose root key is rootName ("HKEY_CURRENT_USER").
// Raises an Exception naming fileName and the line when the text is damaged.
HiveKey ParseHive(std::string_view text, const std::string& rootName,
                  const std::string& fileName);
// The file text: "REGEDIT4", then one section per key, lines ended by CR LF.
std::string FormatHive(const HiveKey& root);

} // namespace lorivex::platform
