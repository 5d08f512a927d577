#pragma once
// The module (Lorivex.dll, or the program it is linked into) that holds
// the server's code: window classes are registered for it and the type
// library is read from its file.
#include <string>

#include "platform/win32/Win32Api.h"

namespace lorivex::hostcom {

HMODULE ThisModule();
// Its full path, however long.
std::string ThisModulePath();

} // namespace lorivex::hostcom
