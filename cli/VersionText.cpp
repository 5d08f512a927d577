#include "cli/Command.h"

#include "platform/Versions.h"

namespace lorivex::cli {

std::string VersionText()
{
    auto version = platform::GetFileVersion(platform::ProgramPath());
    if (!version)
        return "unknown";
    return std::to_string(version->Major) + "." + std::to_string(version->Minor) + "."
         + std::to_string(version->Release) + "." + std::to_string(version->Build);
}

} // namespace lorivex::cli
