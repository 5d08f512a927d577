#include "platform/Shell.h"

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

namespace {

// Some file associations are COM handlers, which ShellExecuteEx can only
// reach from a thread with COM initialised; the add-in's thread has it
// already, other callers may not.
class ComScope {
public:
    ComScope()
        : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED |
                                                             COINIT_DISABLE_OLE1DDE)))
    {}
    ~ComScope()
    {
        if (initialised_)
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

} // namespace

bool ShellOpen(const std::string& target, std::string* errorText)
{
    ComScope com;
    std::wstring file = win32::Widen(target);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No message box of the shell's own: the caller reports the failure, and
    // a box nobody can see would stop a headless run for good. NOASYNC waits
    // only until the program has been handed the file, never for it to end.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info))
        return true;
    DWORD error = GetLastError();
    if (errorText)
        *errorText = "Cannot open \"" + target + "\": " + win32::SystemErrorText(error);
    return false;
}

} // namespace lorivex::platform
