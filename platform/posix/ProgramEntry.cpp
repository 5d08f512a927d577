// Linked into each program of ours (lvx_program_entry), never into the
// platform library: only a program may define main.
#include "platform/Program.h"

int main(int argc, char** argv)
{
    // The command line is the locale's multi-byte text: UTF-8 on every
    // system we run on.
    return lorivex::platform::ProgramMain(std::vector<std::string>(argv + 1, argv + argc));
}
