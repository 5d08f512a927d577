#pragma once
#include <string>

namespace lorivex::platform {

// The help compiler used when the settings name none: HTML Help Workshop's
// hhc.exe under Program Files on Windows, chmcmd found on PATH on POSIX.
std::string DefaultHelpCompilerPath();

} // namespace lorivex::platform
