// The system's own search, short names and all.
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

std::vector<DirEntry> FindFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<DirEntry> found;
    std::u16string wanted = AnsiToUtf16(JoinPath(folder, pattern));
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(reinterpret_cast<const wchar_t*>(wanted.c_str()), &data);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        std::u16string name(reinterpret_cast<const char16_t*>(data.cFileName));
        if (name == u"." || name == u"..")
            continue;
        DirEntry entry;
        entry.Name = Utf16ToAnsi(name);
        entry.IsLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entry.IsDirectory = !entry.IsLink && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.IsReadOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        found.push_back(std::move(entry));
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return found;
}

} // namespace lorivex::platform
