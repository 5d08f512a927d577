#include "ui/win32/Win32Backend.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/win32/CommonDialogs.h"
#include "ui/win32/Failures.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/ModalLoop.h"
#include "ui/win32/PeerTree.h"
#include "ui/win32/WindowClasses.h"
#include "ui/win32/Win32SystemColors.h"

namespace lorivex::ui::win32 {

namespace {

HWND AsWindow(std::uintptr_t handle)
{
    auto window = reinterpret_cast<HWND>(handle);
    return window && IsWindow(window) ? window : nullptr;
}

// Raises a handler's failure once the system's loop has given control back.
template <class R>
R ThenRaise(R result)
{
    RaisePendingFailure();
    return result;
}

} // namespace

Win32Backend::Win32Backend()
{
    RegisterWindowClasses();
    previousColors_ = InstallSystemColors(std::make_unique<Win32SystemColors>());
}

Win32Backend::~Win32Backend()
{
    InstallSystemColors(std::move(previousColors_));
}

HWND WindowOf(const TControl& control)
{
    WindowPeer* peer = WindowPeer::Of(control);
    return peer ? peer->Handle() : nullptr;
}

void Win32Backend::FormVisibilityChanged(TForm& form)
{
    if (!form.Visible()) {
        if (HWND window = WindowOf(form))
            ShowWindow(window, SW_HIDE);
        // A modal form that went away before its loop ran.
        if (pendingForm_ == &form) {
            pendingScope_.reset();
            pendingForm_ = nullptr;
        }
        return;
    }
    HWND owner = AsWindow(form.OwnerHandle);
    AttachPeers(form, owner);
    HWND window = WindowOf(form);
    if (GetWindow(window, GW_OWNER) != owner)
        SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    RefreshPeers(form);
    if (form.Modal()) {
        pendingScope_ = std::make_unique<ModalScope>(window);
        pendingForm_ = &form;
    }
    ShowWindow(window, SW_SHOW);
}

TModalResult Win32Backend::RunModal(TForm& form)
{
    HWND window = WindowOf(form);
    if (!window) {
        FormVisibilityChanged(form);
        window = WindowOf(form);
    }
    std::unique_ptr<ModalScope> scope =
        pendingForm_ == &form ? std::move(pendingScope_) : std::make_unique<ModalScope>(window);
    pendingForm_ = nullptr;
    modal_.push_back(&form);
    struct Pop {
        std::vector<TForm*>& modal;
        ~Pop() { modal.pop_back(); }
    } pop{modal_};
    return RunModalLoop(form, window, *scope);
}

HWND Win32Backend::DialogOwner() const
{
    for (auto at = modal_.rbegin(); at != modal_.rend(); ++at)
        if (HWND window = WindowOf(**at); window && IsWindowVisible(window))
            return window;
    if (HWND owner = AsWindow(Application().Handle()))
        return owner;
    return GetActiveWindow();
}

TModalResult Win32Backend::ShowMessageBox(const MessageBoxRequest& request)
{
    return ThenRaise(RunMessageBox(request, DialogOwner()));
}

bool Win32Backend::ExecuteFileDialog(TFileDialog& dialog)
{
    return ThenRaise(RunFileDialog(dialog, DialogOwner()));
}

void Win32Backend::Popup(TPopupMenu& menu, TPoint at)
{
    HWND active = GetActiveWindow();
    HWND owner = IsFormWindow(active) ? active : utility_.Handle();
    int chosen = ThenRaise(TrackMenu(menu, at, owner));
    if (chosen >= 0 && chosen < menu.Count())
        menu.Items(chosen).Click();
}

void Win32Backend::PumpMessages()
{
    DispatchWaiting();
    RaisePendingFailure();
}

void Win32Backend::WakeUp()
{
    utility_.WakeUp();
}

TPoint Win32Backend::CursorPos()
{
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
}

void Win32Backend::CursorChanged(TCursor cursor)
{
    SetCursor(CursorHandle(cursor));
}

TSize Win32Backend::ScreenSize()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TSize Win32Backend::MeasureText(const std::string& text, const TFont& font)
{
    return MeasureOnScreen(text, font);
}

std::shared_ptr<CanvasDevice> Win32Backend::MeasuringDevice(TControl& control)
{
    return std::make_shared<ScratchDevice>(control.ClientRect());
}

void Win32Backend::Invalidate(TControl& control)
{
    if (WindowPeer* peer = WindowPeer::Of(control))
        peer->Invalidate();
}

} // namespace lorivex::ui::win32
