#include "ui/win32/GraphicPeers.h"

#include <windowsx.h>

#include "ui/win32/Bitmaps.h"
#include "ui/win32/ContainerPeers.h"
#include "ui/win32/GdiCanvas.h"

namespace lorivex::ui::win32 {

namespace {

// Paints a peer's content with its origin moved by (dx, dy) and clipped to
// its own area.
void PaintAt(WindowPeer& peer, HDC dc, int dx, int dy)
{
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, dx, dy, nullptr);
    IntersectClipRect(dc, 0, 0, peer.Control().Width(), peer.Control().Height());
    peer.PaintContent(dc);
    RestoreDC(dc, saved);
}

} // namespace

void GraphicPeer::PaintContent(HDC dc)
{
    PaintThroughCanvas(Control(), dc);
}

void GraphicPeer::PaintComposed(HDC dc)
{
    TControl& control = Control();
    if (TWinControl* parent = control.Parent()) {
        if (WindowPeer* under = Of(*parent))
            PaintAt(*under, dc, -control.Left(), -control.Top());
        TRect mine = control.BoundsRect();
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl& sibling = parent->Controls(i);
            if (&sibling == &control)
                break;
            WindowPeer* peer = Of(sibling);
            if (peer && peer->Graphic() && sibling.Visible() && !sibling.BoundsRect().Intersect(mine).Empty())
                PaintAt(*peer, dc, sibling.Left() - control.Left(), sibling.Top() - control.Top());
        }
    }
    PaintAt(*this, dc, 0, 0);
}

void GraphicPeer::Invalidate()
{
    WindowPeer::Invalidate();
    InvalidateAbove(Control().BoundsRect());
}

void GraphicPeer::InvalidateAbove(const TRect& area)
{
    TControl& control = Control();
    TWinControl* parent = control.Parent();
    if (!parent)
        return;
    bool above = false;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl& sibling = parent->Controls(i);
        if (&sibling == &control) {
            above = true;
            continue;
        }
        WindowPeer* peer = Of(sibling);
        if (above && peer && peer->Graphic() && peer->Handle() && !sibling.BoundsRect().Intersect(area).Empty())
            InvalidateRect(peer->Handle(), nullptr, FALSE);
    }
}

void GraphicPeer::ApplyBounds()
{
    RECT before{};
    GetWindowRect(Handle(), &before);
    MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&before), 2);
    WindowPeer::ApplyBounds();
    InvalidateAbove(FromRect(before));
    // Sized in place, the window keeps the old pixels; all of it repaints.
    Invalidate();
}

void GraphicPeer::ApplyVisible()
{
    WindowPeer::ApplyVisible();
    InvalidateAbove(Control().BoundsRect());
}

LRESULT GraphicPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (PaintMessage(Handle(), message, wParam, result, [this](HDC dc) { PaintComposed(dc); }))
        return result;
    switch (message) {
    case WM_LBUTTONDOWN:
        // What a person calls a click: the button goes down and comes up
        // again over the control.
        pressed_ = true;
        SetCapture(Handle());
        break;
    case WM_LBUTTONUP:
        if (std::exchange(pressed_, false)) {
            ReleaseCapture();
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            RECT client{};
            GetClientRect(Handle(), &client);
            if (PtInRect(&client, at))
                Control().Click();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        pressed_ = false;
        break;
    default:
        break;
    }
    return WindowPeer::WindowProc(message, wParam, lParam);
}

void LabelPeer::PaintContent(HDC dc)
{
    if (!label_.Transparent)
        FillBackground(dc, label_);
    UINT format = DT_EXPANDTABS | (label_.WordWrap ? DT_WORDBREAK : 0);
    switch (label_.Alignment) {
    case TAlignment::Center:
        format |= DT_CENTER;
        break;
    case TAlignment::RightJustify:
        format |= DT_RIGHT;
        break;
    case TAlignment::LeftJustify:
        format |= DT_LEFT;
        break;
    }
    DrawControlText(dc, label_, label_.Caption(), {0, 0, label_.Width(), label_.Height()}, format);
}

void BevelPeer::PaintContent(HDC dc)
{
    // Lowered, as dialogs draw their dividing lines: shadow first, the
    // highlight one pixel further in.
    int w = bevel_.Width(), h = bevel_.Height();
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW), light = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    auto fill = [&](int left, int top, int right, int bottom, HBRUSH brush) {
        RECT r{left, top, right, bottom};
        FillRect(dc, &r, brush);
    };
    switch (bevel_.Shape) {
    case TBevelShape::Box:
        fill(0, 0, w, 1, shadow);
        fill(0, 0, 1, h, shadow);
        fill(0, h - 1, w, h, light);
        fill(w - 1, 0, w, h, light);
        break;
    case TBevelShape::Frame: {
        RECT r{0, 0, w, h};
        DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
        break;
    }
    case TBevelShape::TopLine:
        fill(0, 0, w, 1, shadow);
        fill(0, 1, w, 2, light);
        break;
    case TBevelShape::BottomLine:
        fill(0, h - 2, w, h - 1, shadow);
        fill(0, h - 1, w, h, light);
        break;
    case TBevelShape::LeftLine:
        fill(0, 0, 1, h, shadow);
        fill(1, 0, 2, h, light);
        break;
    case TBevelShape::RightLine:
        fill(w - 2, 0, w - 1, h, shadow);
        fill(w - 1, 0, w, h, light);
        break;
    }
}

void ImagePeer::PaintContent(HDC dc)
{
    if (image_.Picture && !image_.Picture->Empty())
        DrawBitmap(dc, 0, 0, *image_.Picture, image_.Transparent);
}

} // namespace lorivex::ui::win32
