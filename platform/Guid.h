#pragma once
#include <string>

namespace lorivex::platform {

// A new GUID in registry form: braces, hyphens, upper-case hex digits.
std::string NewGuidString();

} // namespace lorivex::platform
