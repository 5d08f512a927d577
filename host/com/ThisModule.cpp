#include "host/com/ThisModule.h"

namespace lorivex::hostcom {

HMODULE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

std::string ThisModulePath()
{
    // GetModuleFileName truncates silently: grow until the answer fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(ThisModule(), path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size() - 1) {
            path.resize(length);
            return platform::win32::Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

} // namespace lorivex::hostcom
