#include "platform/Console.h"

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

bool StandardOutputIsTerminal()
{
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    // Only a console has a mode; a file, a pipe and the NUL device (which
    // _isatty takes for a terminal) fail the call.
    if (output == nullptr || output == INVALID_HANDLE_VALUE || !GetConsoleMode(output, &mode))
        return false;
    // Colours come as ANSI escape sequences, which a console shows only when
    // asked to. Consoles before Windows 10 refuse and would print them as
    // text: such a console gets what a file gets.
    return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0
        || SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

} // namespace lorivex::platform
