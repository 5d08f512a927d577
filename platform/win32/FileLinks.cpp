// Links on Windows are reparse points: symbolic links and junctions. The
// C++ library sees a junction as the folder it points to, so the attribute
// is asked for directly.
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

namespace {

DWORD Attributes(const std::string& path)
{
    std::u16string wide = AnsiToUtf16(ExcludeTrailingPathDelimiter(path));
    return GetFileAttributesW(reinterpret_cast<const wchar_t*>(wide.c_str()));
}

} // namespace

bool IsLink(const std::string& path)
{
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool DeleteLink(const std::string& path)
{
    DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    std::u16string wide = AnsiToUtf16(ExcludeTrailingPathDelimiter(path));
    auto name = reinterpret_cast<const wchar_t*>(wide.c_str());
    // A link to a folder goes as a folder does; the folder it names stays.
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(name) != 0 : DeleteFileW(name) != 0;
}

} // namespace lorivex::platform
