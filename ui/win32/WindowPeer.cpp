#include "ui/win32/WindowPeer.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/win32/Failures.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/PeerTree.h"
#include "ui/win32/WindowClasses.h"

namespace lorivex::ui::win32 {

namespace {

constexpr wchar_t PeerProperty[] = L"LorivexPeer";

// The peer whose window is being made: a list box asks its parent for item
// heights before CreateWindowEx has returned its handle.
WindowPeer* creating = nullptr;

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowPeer* peer = WindowPeer::FromHandle(window);
    if (!peer)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return peer->WindowProc(message, wParam, lParam);
    } catch (...) {
        KeepFailure(std::current_exception());
        return 0;
    }
}

int NextControlId()
{
    static int next = FirstControlId;
    int id = next;
    next = next >= 0xFFFF ? FirstControlId : next + 1;
    return id;
}

bool OwnClass(const wchar_t* name)
{
    return name == FormClass || name == ContainerClass || name == GraphicClass;
}

TShiftState ShiftOf(WPARAM keys)
{
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

} // namespace

WindowPeer::WindowPeer(TControl& control) : control_(control) {}

WindowPeer::~WindowPeer()
{
    HWND window = handle_;
    Detach();
    if (window && IsWindow(window))
        DestroyWindow(window);
}

WindowPeer* WindowPeer::FromHandle(HWND window)
{
    return window ? static_cast<WindowPeer*>(GetPropW(window, PeerProperty)) : nullptr;
}

WindowPeer* WindowPeer::Of(const TControl& control)
{
    return dynamic_cast<WindowPeer*>(control.Peer.get());
}

void WindowPeer::Create(HWND parent)
{
    if (handle_)
        return;
    parent_ = parent;
    Params params = CreationParams();
    DWORD style = params.Style;
    HMENU id = nullptr;
    if (!control_.IsForm()) {
        style |= WS_CHILD | WS_CLIPSIBLINGS;
        if (control_.Visible())
            style |= WS_VISIBLE;
        id = reinterpret_cast<HMENU>(INT_PTR(NextControlId()));
    }
    if (!control_.Enabled())
        style |= WS_DISABLED;
    RECT r = WindowBounds();
    bool own = OwnClass(params.ClassName);
    WindowPeer* outer = std::exchange(creating, this);
    HWND window = CreateWindowExW(params.ExStyle, params.ClassName, CreationText().c_str(), style, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, parent, id, ModuleInstance(),
                                  own ? this : nullptr);
    DWORD error = GetLastError();
    creating = outer;
    if (!window)
        throw Exception("Cannot make the window of " + control_.Name + ": "
                        + platform::win32::SystemErrorText(error));
    if (!own)
        Attach(window, reinterpret_cast<WNDPROC>(
                           SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc))));
    ApplyFont();
    Created();
    Refresh();
}

void WindowPeer::Attach(HWND window, WNDPROC systemProc)
{
    handle_ = window;
    systemProc_ = systemProc;
    SetPropW(window, PeerProperty, this);
}

void WindowPeer::Detach()
{
    if (!handle_)
        return;
    RemovePropW(handle_, PeerProperty);
    if (systemProc_)
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    systemProc_ = nullptr;
    handle_ = nullptr;
}

void WindowPeer::Recreate()
{
    HWND parent = parent_;
    HWND window = handle_;
    Detach();
    if (window)
        DestroyWindow(window);
    Create(parent);
    if (TWinControl* container = control_.Parent())
        ArrangeChildren(*container);
}

void WindowPeer::Changed(ControlChange what)
{
    if (!handle_)
        return;
    switch (what) {
    case ControlChange::Bounds:
        ApplyBounds();
        break;
    case ControlChange::Visible:
        ApplyVisible();
        break;
    case ControlChange::Enabled:
        EnableWindow(handle_, control_.Enabled());
        Invalidate();
        break;
    case ControlChange::Caption:
        ApplyCaption();
        break;
    case ControlChange::Font:
        ApplyFont();
        break;
    case ControlChange::Color:
        Invalidate();
        break;
    case ControlChange::Items:
    case ControlChange::State:
        break;
    }
}

void WindowPeer::Refresh()
{
    if (!handle_)
        return;
    ApplyBounds();
    ApplyVisible();
    if (bool(IsWindowEnabled(handle_)) != control_.Enabled())
        EnableWindow(handle_, control_.Enabled());
    ApplyCaption();
    ApplyFont();
    Invalidate();
}

void WindowPeer::Invalidate()
{
    if (handle_)
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

RECT WindowPeer::WindowBounds()
{
    return ToRect(control_.BoundsRect());
}

void WindowPeer::ApplyBounds()
{
    RECT r = WindowBounds();
    RECT now{};
    GetWindowRect(handle_, &now);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&r, &now))
        return;
    bool was = std::exchange(updating_, true);
    SetWindowPos(handle_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    updating_ = was;
}

void WindowPeer::ApplyVisible()
{
    bool shown = (GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != control_.Visible())
        ShowWindow(handle_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
}

void WindowPeer::ApplyCaption()
{
    std::wstring text = CreationText();
    int length = GetWindowTextLengthW(handle_);
    std::wstring now(size_t(length) + 1, L'\0');
    now.resize(size_t(GetWindowTextW(handle_, now.data(), length + 1)));
    if (now == text)
        return;
    bool was = std::exchange(updating_, true);
    SetWindowTextW(handle_, text.c_str());
    updating_ = was;
    Invalidate();
}

void WindowPeer::ApplyFont()
{
    HFONT font = FontHandle(control_.Font);
    if (reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0)) != font)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HBRUSH WindowPeer::ControlColor(HDC dc)
{
    SetTextColor(dc, control_.Enabled() ? ColorToRGB(control_.Font.Color) : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, ColorToRGB(control_.Color));
    return SolidBrush(control_.Color);
}

LRESULT WindowPeer::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return systemProc_ ? CallWindowProcW(systemProc_, handle_, message, wParam, lParam)
                       : DefWindowProcW(handle_, message, wParam, lParam);
}

bool WindowPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (WindowPeer* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this)
            if (child->Command(HIWORD(wParam))) {
                result = 0;
                return true;
            }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        WindowPeer* child = FromHandle(header->hwndFrom);
        return child && child != this && child->Notify(*header, result);
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return false;
        WindowPeer* child = FromHandle(item->hwndItem);
        if (child && child != this && child->DrawItem(*item)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return false;
        WindowPeer* child = FromHandle(GetDlgItem(handle_, int(item->CtlID)));
        if (!child && creating && creating->parent_ == handle_)
            child = creating;
        if (child && child != this && child->MeasureItem(*item)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (WindowPeer* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
            result = reinterpret_cast<LRESULT>(child->ControlColor(reinterpret_cast<HDC>(wParam)));
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool WindowPeer::SetCursorShape(LPARAM lParam)
{
    TCursor screen = Application().ScreenCursor();
    TCursor shape = screen != TCursor::Default ? screen : control_.Cursor;
    if (shape == TCursor::Default || (screen == TCursor::Default && LOWORD(lParam) != HTCLIENT))
        return false;
    SetCursor(CursorHandle(shape));
    return true;
}

LRESULT WindowPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (Reflect(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_SETCURSOR:
        if (SetCursorShape(lParam))
            return TRUE;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        TMouseButton button = message == WM_LBUTTONDOWN ? TMouseButton::Left
                            : message == WM_RBUTTONDOWN ? TMouseButton::Right
                                                        : TMouseButton::Middle;
        control_.MouseDown(button, ShiftOf(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    }
    case WM_NCDESTROY: {
        // The system took the window down (its owner went): the peer makes a
        // new one when the form is shown again.
        HWND window = handle_;
        WNDPROC systemProc = systemProc_;
        Detach();
        return systemProc ? CallWindowProcW(systemProc, window, message, wParam, lParam)
                          : DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void PaintBuffered(HWND window, HDC target, const RECT& area, void (*paint)(void*, HDC), void* context)
{
    RECT client{};
    GetClientRect(window, &client);
    int width = std::max<int>(1, client.right), height = std::max<int>(1, client.bottom);
    struct Buffer {
        HDC dc;
        HBITMAP bitmap;
        HGDIOBJ previous;
        Buffer(HDC target, int width, int height)
            : dc(CreateCompatibleDC(target)), bitmap(CreateCompatibleBitmap(target, width, height)),
              previous(SelectObject(dc, bitmap)) {}
        ~Buffer()
        {
            SelectObject(dc, previous);
            DeleteObject(bitmap);
            DeleteDC(dc);
        }
    } buffer(target, width, height);
    IntersectClipRect(buffer.dc, area.left, area.top, area.right, area.bottom);
    paint(context, buffer.dc);
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer.dc, area.left,
           area.top, SRCCOPY);
}

bool PaintMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result, void (*paint)(void*, HDC),
                  void* context)
{
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        struct End {
            HWND window;
            PAINTSTRUCT& ps;
            ~End() { EndPaint(window, &ps); }
        } end{window, ps};
        PaintBuffered(window, dc, ps.rcPaint, paint, context);
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        paint(context, reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    default:
        return false;
    }
}

HBRUSH SolidBrush(TColor color)
{
    static std::map<COLORREF, HBRUSH> brushes;
    COLORREF rgb = ColorToRGB(color);
    auto at = brushes.find(rgb);
    if (at == brushes.end())
        at = brushes.emplace(rgb, CreateSolidBrush(rgb)).first;
    return at->second;
}

HCURSOR CursorHandle(TCursor cursor)
{
    switch (cursor) {
    case TCursor::HourGlass:
        return LoadCursorW(nullptr, IDC_WAIT);
    case TCursor::HandPoint:
        return LoadCursorW(nullptr, IDC_HAND);
    case TCursor::IBeam:
        return LoadCursorW(nullptr, IDC_IBEAM);
    default:
        return LoadCursorW(nullptr, IDC_ARROW);
    }
}

} // namespace lorivex::ui::win32
