#pragma once
// The entry point every program of ours shares (the lorivex command, the
// build's tools, the tests' helper programs). The platform's own entry
// (main on POSIX, wmain on Windows, where the build links with -municode)
// hands the arguments over in one form, so that a program reads them the
// same way everywhere; on Windows it also puts standard output and standard
// error in binary mode, so that what a program writes reaches a file or a
// pipe byte for byte, as on POSIX.
#include <string>
#include <vector>

namespace lorivex::platform {

// Defined by each program, which links lvx_program_entry. The arguments
// come without the program's own name, as UTF-8 text.
int ProgramMain(const std::vector<std::string>& arguments);

} // namespace lorivex::platform
