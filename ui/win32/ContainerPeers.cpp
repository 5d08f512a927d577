#include "ui/win32/ContainerPeers.h"

#include "ui/win32/Fonts.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/PeerTree.h"
#include "ui/win32/WindowClasses.h"

namespace lorivex::ui::win32 {

void ContainerPeer::Changed(ControlChange what)
{
    WindowPeer::Changed(what);
    if (what == ControlChange::Items && Handle()) {
        for (int i = 0; i < container_.ControlCount(); ++i)
            AttachPeers(container_.Controls(i), Handle());
        ArrangeChildren(container_);
    }
}

void ContainerPeer::PaintContent(HDC dc)
{
    FillBackground(dc, Control());
}

LRESULT ContainerPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (PaintMessage(Handle(), message, wParam, result, [this](HDC dc) { PaintContent(dc); }))
        return result;
    return WindowPeer::WindowProc(message, wParam, lParam);
}

void PanelPeer::PaintContent(HDC dc)
{
    FillBackground(dc, panel_);
    RECT r{0, 0, panel_.Width(), panel_.Height()};
    if (panel_.BevelOuter != TPanelBevel::None) {
        DrawEdge(dc, &r, panel_.BevelOuter == TPanelBevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&r, -1, -1);
    }
    if (!panel_.Caption().empty())
        DrawControlText(dc, panel_, panel_.Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CustomControlPeer::PaintContent(HDC dc)
{
    FillBackground(dc, Control());
    PaintThroughCanvas(Control(), dc);
}

LRESULT CustomControlPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus(Handle());
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        break;
    }
    return ContainerPeer::WindowProc(message, wParam, lParam);
}

void FillBackground(HDC dc, const TControl& control)
{
    RECT r{0, 0, control.Width(), control.Height()};
    FillRect(dc, &r, SolidBrush(control.Color));
}

void DrawControlText(HDC dc, const TControl& control, const std::string& text, RECT area, UINT format)
{
    HGDIOBJ previous = SelectObject(dc, FontHandle(control.Font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, control.Enabled() ? ColorToRGB(control.Font.Color) : GetSysColor(COLOR_GRAYTEXT));
    std::wstring wide = Wide(text);
    DrawTextW(dc, wide.c_str(), int(wide.size()), &area, format);
    SelectObject(dc, previous);
}

} // namespace lorivex::ui::win32
