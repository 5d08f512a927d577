#pragma once
// The Windows headers as the win32 side of the seam uses them, plus the small
// pieces every file there shares: owners for system handles and the text
// conversions at the W API boundary.
//
// Include this instead of <windows.h>: the system headers define LoadLibrary,
// GetTempPath, DeleteFile, OemToAnsi and TextOut as macros that would rename
// the seam's functions (and the toolkit canvas's TextOut) of the same names
// in one file and not in another, so they are undone here.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
// Automation pictures (button faces).
#include <olectl.h>

#undef LoadLibrary
#undef GetTempPath
#undef DeleteFile
#undef OemToAnsi
#undef TextOut

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace lorivex::platform::win32 {

struct RegKeyCloser {
    void operator()(HKEY key) const noexcept { RegCloseKey(key); }
};
// An opened registry key; never holds one of the predefined root keys.
using UniqueRegKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegKeyCloser>;

struct ModuleFreer {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// Shell item lists and strings the system allocates for us with the COM allocator.
struct CoTaskMemFreer {
    void operator()(void* memory) const noexcept { CoTaskMemFree(memory); }
};
template <class T>
using UniqueCoTaskMem = std::unique_ptr<T, CoTaskMemFreer>;

// ANSI text of the system (the active code page) to and from UTF-16.
std::wstring Widen(std::string_view ansi);
std::string Narrow(std::wstring_view wide);

// The path of a shell folder given by its CSIDL, without a trailing
// backslash; empty when the system has no such folder.
std::string FolderOfCsidl(int csidl);

// The header of a 32-bit device-independent bitmap whose rows run from the
// top down, as pictures are held in memory.
inline BITMAPINFO TopDownDibInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The system's description of an error code, without the trailing line end;
// "error N" when the system has none.
std::string SystemErrorText(DWORD code);

} // namespace lorivex::platform::win32
