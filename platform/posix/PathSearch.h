#pragma once
// Finding a program the way the shell finds it: the folders of PATH in
// order, the first file of that name that may be run.
#include <string>

namespace lorivex::platform::posix {

// The full path (ANSI), or empty when no folder of PATH holds the program.
std::string FindOnPath(const std::string& program);

} // namespace lorivex::platform::posix
