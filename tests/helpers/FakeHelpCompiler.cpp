// A help compiler for the tests of compile runs where no real one can run
// (on Windows the default, hhc.exe, is not installed under Wine):
//
//   FakeHelpCompiler [--leave BYTES] [--exit STATUS] PROJECT.hhp
//
// It reads the project as a help compiler does, prints a progress line
// naming the project, and leaves at the project's "Compiled file=" the
// whole work folder packed into one file (tests/helpers/FolderArchive.h),
// or with --leave the given bytes instead (nothing at all when they are
// empty: an empty file). It ends with STATUS (default 0); 1 when the
// project cannot be read or names no compiled file.
#include <cstdlib>
#include <iostream>

#include "FolderArchive.h"
#include "base/Exception.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Program.h"

namespace {

std::string CompiledFile(const std::string& project)
{
    const std::string key = "Compiled file=";
    std::string lines = lorivex::platform::ReadFileBytes(project);
    for (size_t at = 0; at < lines.size();) {
        size_t end = lines.find_first_of("\r\n", at);
        if (end == std::string::npos)
            end = lines.size();
        if (lines.compare(at, key.size(), key) == 0)
            return lines.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return {};
}

} // namespace

int lorivex::platform::ProgramMain(const std::vector<std::string>& arguments)
{
    std::string project, leave;
    bool leaves = false;
    int status = 0;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--leave" && i + 1 < arguments.size()) {
            leave = Utf8ToAnsi(arguments[++i]);
            leaves = true;
        } else if (arguments[i] == "--exit" && i + 1 < arguments.size()) {
            status = std::atoi(arguments[++i].c_str());
        } else {
            project = Utf8ToAnsi(arguments[i]);
        }
    }
    try {
        std::cout << "Compiling " << project << "\r\n" << std::flush;
        std::string output = CompiledFile(project);
        if (output.empty()) {
            std::cout << "The project names no compiled file.\r\n";
            return 1;
        }
        WriteFileBytes(output, leaves ? leave : test::PackFolder(ExtractFilePath(project)));
    } catch (const Exception& e) {
        std::cout << "FakeHelpCompiler: " << AnsiToUtf8(e.Message()) << "\r\n";
        return 1;
    }
    return status;
}
