#include "cli/Command.h"

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Versions.h"
#include "services/LorivexUtils.h"

namespace lorivex::cli {

void EnsureInstallRegistration()
{
    using namespace platform;
    auto& registry = GetRegistry();
    const std::string key = AddInServerKey();
    if (registry.GetValueKind(RootKey::ClassesRoot, key, "") == ValueKind::String
        && FileExists(registry.ReadString(RootKey::ClassesRoot, key, "")))
        return;
    registry.WriteString(RootKey::ClassesRoot, key, "", ProgramPath());
    registry.WriteString(RootKey::ClassesRoot, key, "ThreadingModel", "Apartment");
}

std::string VersionText()
{
    auto version = platform::GetFileVersion(platform::ProgramPath());
    if (!version)
        return "unknown";
    return std::to_string(version->Major) + "." + std::to_string(version->Minor) + "."
         + std::to_string(version->Release) + "." + std::to_string(version->Build);
}

} // namespace lorivex::cli
