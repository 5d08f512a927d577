#include "platform/Versions.h"

#include <vector>

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

std::optional<FileVersion> GetFileVersion(const std::string& fileName)
{
    std::wstring path = win32::Widen(fileName);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return std::nullopt;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO) || info->dwSignature != VS_FFI_SIGNATURE)
        return std::nullopt;
    return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                       HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

std::string ProgramPath()
{
    // Paths may be longer than MAX_PATH; GetModuleFileName truncates
    // silently, so grow until the answer fits with room to spare.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size() - 1) {
            path.resize(length);
            return win32::Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string AddInBinaryName()
{
    return "Lorivex.dll";
}

} // namespace lorivex::platform
