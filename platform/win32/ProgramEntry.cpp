// Linked into each program of ours (lvx_program_entry), never into the
// platform library: only a program may define the entry point.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include "platform/CodePages.h"
#include "platform/Program.h"

// -municode makes wmain the entry point: the command line in UTF-16, so
// that no argument is cut down to the ANSI code page on the way in.
int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv)
{
    // Text mode would turn every "\n" written into "\r\n" and drop the
    // "\r" of every "\r\n" read: what a program writes to standard output
    // would differ from the POSIX bytes, and source read from standard
    // input would lose its line ends.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(lorivex::platform::Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    return lorivex::platform::ProgramMain(arguments);
}
