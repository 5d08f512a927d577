#include "ui/win32/FormPeer.h"

#include "ui/Buttons.h"
#include "ui/win32/GdiCanvas.h"

namespace lorivex::ui::win32 {

namespace {

bool TakesFocus(HWND window)
{
    LONG style = GetWindowLongW(window, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

void CollectHints(TControl& control, std::vector<TControl*>& hinted)
{
    if (control.ShowHint && !control.Hint.empty())
        hinted.push_back(&control);
    if (auto* container = dynamic_cast<TWinControl*>(&control))
        for (int i = 0; i < container->ControlCount(); ++i)
            CollectHints(container->Controls(i), hinted);
}

} // namespace

HWND FirstTabStop(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            continue;
        if (TakesFocus(child))
            return child;
        if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            if (HWND inner = FirstTabStop(child))
                return inner;
    }
    return nullptr;
}

WindowPeer::Params FormPeer::CreationParams()
{
    const DWORD common = WS_CLIPCHILDREN, commonEx = WS_EX_CONTROLPARENT;
    switch (form_.BorderStyle) {
    case TFormBorderStyle::Sizeable:
        return {FormClass, common | WS_OVERLAPPEDWINDOW, commonEx};
    case TFormBorderStyle::Single:
        return {FormClass, common | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, commonEx};
    case TFormBorderStyle::Dialog:
        return {FormClass, common | WS_CAPTION | WS_SYSMENU, commonEx | WS_EX_DLGMODALFRAME};
    case TFormBorderStyle::ToolWindow:
        return {FormClass, common | WS_CAPTION | WS_SYSMENU, commonEx | WS_EX_TOOLWINDOW};
    case TFormBorderStyle::SizeToolWin:
        return {FormClass, common | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, commonEx | WS_EX_TOOLWINDOW};
    }
    return {FormClass, common | WS_OVERLAPPEDWINDOW, commonEx};
}

RECT FormPeer::WindowBounds()
{
    Params params = CreationParams();
    DWORD style = Handle() ? DWORD(GetWindowLongW(Handle(), GWL_STYLE)) : params.Style;
    DWORD exStyle = Handle() ? DWORD(GetWindowLongW(Handle(), GWL_EXSTYLE)) : params.ExStyle;
    RECT frame{0, 0, form_.ClientWidth(), form_.ClientHeight()};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {form_.Left(), form_.Top(), form_.Left() + frame.right - frame.left,
            form_.Top() + frame.bottom - frame.top};
}

void FormPeer::ApplyBounds()
{
    RECT r = WindowBounds();
    RECT now{};
    GetWindowRect(Handle(), &now);
    RECT client{};
    GetClientRect(Handle(), &client);
    if (EqualRect(&r, &now) && client.right == form_.ClientWidth() && client.bottom == form_.ClientHeight())
        return;
    bool was = std::exchange(updating_, true);
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    // A frame that is not what AdjustWindowRectEx said (a caption that
    // wraps, a window manager's own) is made up for once.
    GetClientRect(Handle(), &client);
    int dx = form_.ClientWidth() - client.right, dy = form_.ClientHeight() - client.bottom;
    if (dx || dy)
        SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    updating_ = was;
}

void FormPeer::Refresh()
{
    ContainerPeer::Refresh();
    UpdateHints();
}

void FormPeer::UpdateHints()
{
    std::vector<TControl*> hinted;
    CollectHints(form_, hinted);
    if (hinted.empty() && !tooltip_)
        return;
    if (!tooltip_ || !IsWindow(tooltip_))
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   nullptr, nullptr);
    if (!tooltip_)
        return;
    // The tooltip keeps copies of the texts; the set is made anew each time.
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    while (SendMessageW(tooltip_, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) {
        SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
    }
    for (TControl* control : hinted) {
        WindowPeer* peer = WindowPeer::Of(*control);
        if (!peer || !peer->Handle())
            continue;
        std::wstring text = Wide(control->Hint);
        tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(peer->Handle());
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void FormPeer::PaintContent(HDC dc)
{
    FillBackground(dc, form_);
    PaintThroughCanvas(form_, dc);
}

void FormPeer::RestoreFocus()
{
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_)
        && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    if (HWND first = FirstTabStop(Handle()))
        SetFocus(first);
}

void FormPeer::KeyCommand(int id)
{
    if (id == IDCANCEL) {
        form_.PressEscape();
        return;
    }
    // Enter on a button clicks that button; anywhere else the default one.
    if (WindowPeer* focused = FromHandle(GetFocus()))
        if (dynamic_cast<TButton*>(&focused->Control())) {
            focused->Control().Click();
            return;
        }
    form_.PressEnter();
}

LRESULT FormPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if ((LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && HIWORD(wParam) == BN_CLICKED) {
            KeyCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_CLOSE:
        form_.Close();
        return 0;
    case WM_SIZE:
        if (!updating_ && wParam != SIZE_MINIMIZED)
            form_.SetBounds(form_.Left(), form_.Top(), LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_MOVE:
        if (!updating_ && !IsIconic(Handle())) {
            RECT r{};
            GetWindowRect(Handle(), &r);
            form_.SetBounds(r.left, r.top, form_.Width(), form_.Height());
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus))
                lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        // The form itself has nothing to type into.
        RestoreFocus();
        return 0;
    default:
        break;
    }
    return ContainerPeer::WindowProc(message, wParam, lParam);
}

} // namespace lorivex::ui::win32
