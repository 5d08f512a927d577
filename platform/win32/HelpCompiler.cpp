#include "platform/HelpCompiler.h"

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

namespace {

constexpr char CompilerUnderProgramFiles[] = "\\HTML Help Workshop\\hhc.exe";

bool IsFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesW(win32::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string DefaultHelpCompilerPath()
{
    std::string compiler = win32::FolderOfCsidl(CSIDL_PROGRAM_FILES) + CompilerUnderProgramFiles;
    // HTML Help Workshop is a 32-bit program: on 64-bit Windows its installer
    // puts it under "Program Files (x86)", which a 64-bit build does not see
    // as its Program Files folder.
    if (!IsFile(compiler)) {
        std::string x86 = win32::FolderOfCsidl(CSIDL_PROGRAM_FILESX86) + CompilerUnderProgramFiles;
        if (IsFile(x86))
            return x86;
    }
    return compiler;
}

} // namespace lorivex::platform
