#include "platform/Desktop.h"

namespace lorivex::platform {

std::uintptr_t ForegroundWindow() { return 0; }
std::uintptr_t ActiveWindow() { return 0; }

} // namespace lorivex::platform
