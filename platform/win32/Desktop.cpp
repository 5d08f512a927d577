#include "platform/Desktop.h"

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

std::uintptr_t ForegroundWindow() { return reinterpret_cast<std::uintptr_t>(GetForegroundWindow()); }
std::uintptr_t ActiveWindow() { return reinterpret_cast<std::uintptr_t>(GetActiveWindow()); }

} // namespace lorivex::platform
