#pragma once
#include <string>

namespace lorivex::platform {

// Opens a file or address with the program the system associates with it
// (the "OPEN" verb). Never waits for that program. False, with the reason in
// errorText, when nothing could be started.
bool ShellOpen(const std::string& target, std::string* errorText = nullptr);

} // namespace lorivex::platform
