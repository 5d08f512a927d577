#pragma once
// The add-in's per-user records in the registry, under HKEY_CURRENT_USER at
// the add-in's key: the start mode and, in the subkeys CommandBars and
// Controls, the revision (PropertyChanged) last applied to each toolbar (by
// name) and control (by OfficeTag). They let the toolbar keep what the
// author changed in Word until a new build raises a revision.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"

namespace lorivex {

inline constexpr char StartModeFirstStart[] = "FIRSTSTART";
inline constexpr char StartModeNormal[] = "NORMAL";
inline constexpr char StartModeUninstall[] = "UNINSTALL";

// "\Software\Microsoft\Office\Word\AddIns\Lorivex.OfficeAddin": where a
// host application (by its key name, "Word") lists an add-in (by ProgID).
std::string HostAddInKeyPath(const std::string& hostKeyName, const std::string& progId);

class THostUserRecords {
public:
    THostUserRecords(platform::Registry& registry, std::string key);

    const std::string& Key() const { return key_; }
    // Creates the key when it is missing.
    void Open();

    // "FIRSTSTART" when the value is missing; otherwise as stored.
    std::string StartMode();
    void SetStartMode(const std::string& mode);

    // Nothing when there is no record (or one that is not a number).
    std::optional<std::uint32_t> CommandBarRevision(const std::string& commandBarName);
    void RecordCommandBar(const std::string& commandBarName, std::uint32_t revision);
    std::optional<std::uint32_t> ControlRevision(const std::string& officeTag);
    void RecordControl(const std::string& officeTag, std::uint32_t revision);

    std::vector<std::string> RecordedCommandBars();
    std::vector<std::string> RecordedControls();
    // Both subkeys go: the toolbar is no longer Word's.
    void DeleteToolbarRecords();

private:
    std::optional<std::uint32_t> Revision(const std::string& subkey, const std::string& name);

    platform::Registry& registry_;
    std::string key_;
};

} // namespace lorivex
