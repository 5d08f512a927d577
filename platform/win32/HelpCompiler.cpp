#include "platform/HelpCompiler.h"

#include "platform/FileSystem.h"
#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

namespace {

constexpr char CompilerUnderProgramFiles[] = "\\HTML Help Workshop\\hhc.exe";

} // namespace

std::string DefaultHelpCompilerPath()
{
    std::string compiler = win32::FolderOfCsidl(CSIDL_PROGRAM_FILES) + CompilerUnderProgramFiles;
    // HTML Help Workshop is a 32-bit program: on 64-bit Windows its installer
    // puts it under "Program Files (x86)", which a 64-bit build does not see
    // as its Program Files folder.
    if (!FileExists(compiler)) {
        std::string x86 = win32::FolderOfCsidl(CSIDL_PROGRAM_FILESX86) + CompilerUnderProgramFiles;
        if (FileExists(x86))
            return x86;
    }
    return compiler;
}

} // namespace lorivex::platform
