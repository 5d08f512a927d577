#include "ui/win32/UtilityWindow.h"

#include <mutex>

#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/win32/WindowClasses.h"

namespace lorivex::ui::win32 {

namespace {

constexpr wchar_t ClassName[] = L"LorivexUtility";

} // namespace

UtilityWindow::UtilityWindow()
{
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = ModuleInstance();
        wc.lpszClassName = ClassName;
        RegisterClassExW(&wc);
    });
    // A hidden top-level window rather than a message-only one: a popup
    // menu needs an owner that can come to the foreground.
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"Lorivex", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              ModuleInstance(), nullptr);
    if (!handle_)
        throw Exception("Cannot make the hidden window of the user interface: "
                        + platform::win32::SystemErrorText(GetLastError()));
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

UtilityWindow::~UtilityWindow()
{
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

void UtilityWindow::WakeUp()
{
    if (!posted_.exchange(true))
        PostMessageW(handle_, WM_LORIVEX_WAKE, 0, 0);
}

LRESULT CALLBACK UtilityWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LORIVEX_WAKE) {
        if (auto* self = reinterpret_cast<UtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            self->posted_ = false;
        // A failing call keeps its failure for the worker that waits for it.
        Application().RunPendingCalls();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace lorivex::ui::win32
