#include "host/HostUserRecords.h"

#include "base/Exception.h"

namespace lorivex {

namespace {

constexpr platform::RootKey HKCU = platform::RootKey::CurrentUser;
constexpr char StartModeValue[] = "StartMode";
constexpr char CommandBarsSubkey[] = "CommandBars";
constexpr char ControlsSubkey[] = "Controls";

} // namespace

std::string HostAddInKeyPath(const std::string& hostKeyName, const std::string& progId)
{
    return "\\Software\\Microsoft\\Office\\" + hostKeyName + "\\AddIns\\" + progId;
}

THostUserRecords::THostUserRecords(platform::Registry& registry, std::string key)
    : registry_(registry), key_(std::move(key))
{
}

void THostUserRecords::Open()
{
    if (!registry_.KeyExists(HKCU, key_) && !registry_.CreateKey(HKCU, key_))
        throw Exception("Cannot create the key " + platform::KeyPathText(HKCU, key_));
}

std::string THostUserRecords::StartMode()
{
    if (registry_.GetValueKind(HKCU, key_, StartModeValue) != platform::ValueKind::String)
        return StartModeFirstStart;
    return registry_.ReadString(HKCU, key_, StartModeValue);
}

void THostUserRecords::SetStartMode(const std::string& mode)
{
    registry_.WriteString(HKCU, key_, StartModeValue, mode);
}

std::optional<std::uint32_t> THostUserRecords::Revision(const std::string& subkey, const std::string& name)
{
    const std::string key = key_ + "\\" + subkey;
    if (registry_.GetValueKind(HKCU, key, name) != platform::ValueKind::DWord)
        return std::nullopt;
    return registry_.ReadDWord(HKCU, key, name);
}

std::optional<std::uint32_t> THostUserRecords::CommandBarRevision(const std::string& commandBarName)
{
    return Revision(CommandBarsSubkey, commandBarName);
}

void THostUserRecords::RecordCommandBar(const std::string& commandBarName, std::uint32_t revision)
{
    registry_.WriteDWord(HKCU, key_ + "\\" + CommandBarsSubkey, commandBarName, revision);
}

std::optional<std::uint32_t> THostUserRecords::ControlRevision(const std::string& officeTag)
{
    return Revision(ControlsSubkey, officeTag);
}

void THostUserRecords::RecordControl(const std::string& officeTag, std::uint32_t revision)
{
    registry_.WriteDWord(HKCU, key_ + "\\" + ControlsSubkey, officeTag, revision);
}

std::vector<std::string> THostUserRecords::RecordedCommandBars()
{
    return registry_.GetValueNames(HKCU, key_ + "\\" + CommandBarsSubkey);
}

std::vector<std::string> THostUserRecords::RecordedControls()
{
    return registry_.GetValueNames(HKCU, key_ + "\\" + ControlsSubkey);
}

void THostUserRecords::DeleteToolbarRecords()
{
    registry_.DeleteKey(HKCU, key_ + "\\" + CommandBarsSubkey);
    registry_.DeleteKey(HKCU, key_ + "\\" + ControlsSubkey);
}

} // namespace lorivex
