#include "ui/win32/ModalLoop.h"

#include "ui/Application.h"
#include "ui/win32/Failures.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/WindowClasses.h"

namespace lorivex::ui::win32 {

void DispatchOne(MSG& msg)
{
    if (msg.hwnd) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (IsFormWindow(root) && IsDialogMessageW(root, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool DispatchWaiting()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        DispatchOne(msg);
        if (FailurePending())
            break;
    }
    return true;
}

ModalScope::ModalScope(HWND modal) : modal_(modal), active_(GetActiveWindow()), focus_(GetFocus())
{
    auto disable = [this](HWND window) {
        if (window && window != modal_ && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            disabled_.push_back(window);
        }
    };
    disable(GetWindow(modal, GW_OWNER));
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            if (IsWindowVisible(window))
                (*reinterpret_cast<decltype(disable)*>(context))(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disable));
}

void ModalScope::Release()
{
    if (std::exchange(released_, true))
        return;
    for (auto at = disabled_.rbegin(); at != disabled_.rend(); ++at)
        if (IsWindow(*at))
            EnableWindow(*at, TRUE);
}

ModalScope::~ModalScope()
{
    Release();
    if (IsWindowVisible(modal_))
        ShowWindow(modal_, SW_HIDE);
    if (active_ && IsWindow(active_))
        SetActiveWindow(active_);
    if (focus_ && IsWindow(focus_) && GetWindowThreadProcessId(focus_, nullptr) == GetCurrentThreadId())
        SetFocus(focus_);
}

TModalResult RunModalLoop(TForm& form, HWND window, ModalScope& scope)
{
    if (GetActiveWindow() != window)
        SetActiveWindow(window);
    // OnShow may have put the focus somewhere already.
    if (!IsChild(window, GetFocus()))
        if (auto* peer = dynamic_cast<FormPeer*>(WindowPeer::FromHandle(window)))
            peer->RestoreFocus();
    auto& application = Application();
    for (;;) {
        RaisePendingFailure();
        if (form.ModalResult != mrNone && form.CloseModal())
            break;
        if (!form.Visible() || !IsWindow(window)) {
            form.ModalResult = mrCancel;
            break;
        }
        // Calls a worker queued without a wake-up reaching us.
        application.RunPendingCalls();
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            form.ModalResult = mrCancel;
            break;
        }
        DispatchOne(msg);
    }
    scope.Release();
    return form.ModalResult;
}

} // namespace lorivex::ui::win32
