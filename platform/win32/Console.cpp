#include "platform/Console.h"

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

bool StandardOutputTakesColour()
{
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    // Only a console has a mode; a file or a pipe fails the call.
    if (output == nullptr || output == INVALID_HANDLE_VALUE || !GetConsoleMode(output, &mode))
        return false;
    return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0
        || SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

} // namespace lorivex::platform
