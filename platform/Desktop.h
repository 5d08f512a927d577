#pragma once
// Handles of the desktop's windows, as integers (0: none). On POSIX there is
// no desktop window system behind the add-in, so every answer is 0.
#include <cstdint>

namespace lorivex::platform {

std::uintptr_t ForegroundWindow();
std::uintptr_t ActiveWindow();

} // namespace lorivex::platform
