#include "services/VersionInfo.h"

#include "platform/Versions.h"
#include "base/Guarded.h"
#include "services/LorivexUtils.h"

namespace lorivex {

std::string GetVersionInfo(const std::string& fileName)
{
    return Guarded(AboutFormUnit, "GetVersionInfo", [&] {
        auto version = platform::GetFileVersion(fileName);
        if (!version)
            throw Exception("The file \"" + fileName + "\" has no version information.");
        return std::to_string(version->Major) + "." + std::to_string(version->Minor) + "."
             + std::to_string(version->Release) + "." + std::to_string(version->Build);
    });
}

std::string AddInBinaryPath()
{
    // GetLorivexDir ends with the path delimiter.
    return GetLorivexDir() + platform::AddInBinaryName();
}

} // namespace lorivex
