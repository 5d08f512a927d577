#include "ui/win32/ButtonPeers.h"

#include "ui/win32/Bitmaps.h"
#include "ui/win32/ContainerPeers.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/StockGlyphs.h"

namespace lorivex::ui::win32 {

namespace {

// A picture and a caption side by side, 4 pixels apart, centred together;
// moved by a pixel while the button is held down.
void DrawFace(HDC dc, const TControl& control, RECT area, const TBitmap* glyph, bool pressed, bool disabled)
{
    if (pressed)
        OffsetRect(&area, 1, 1);
    std::wstring caption = Wide(control.Caption());
    HGDIOBJ previousFont = SelectObject(dc, FontHandle(control.Font));
    SIZE text{};
    if (!caption.empty()) {
        RECT measured{0, 0, 0, 0};
        DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
        text = {measured.right, measured.bottom};
    }
    int glyphWidth = glyph ? glyph->Width() : 0;
    int spacing = glyph && !caption.empty() ? 4 : 0;
    int left = area.left + (area.right - area.left - glyphWidth - spacing - text.cx) / 2;
    if (glyph) {
        int top = area.top + (area.bottom - area.top - glyph->Height()) / 2;
        if (disabled)
            DrawBitmap(dc, left, top, Grayed(*glyph), true);
        else
            DrawBitmap(dc, left, top, *glyph, true);
    }
    if (!caption.empty()) {
        RECT r{left + glyphWidth + spacing, area.top, area.right, area.bottom};
        SetBkMode(dc, TRANSPARENT);
        if (disabled) {
            // The engraved look of disabled text: highlight under shadow.
            OffsetRect(&r, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_SINGLELINE | DT_VCENTER);
            OffsetRect(&r, -1, -1);
            SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        } else {
            SetTextColor(dc, ColorToRGB(control.Font.Color));
        }
        DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_SINGLELINE | DT_VCENTER);
    }
    SelectObject(dc, previousFont);
}

} // namespace

WindowPeer::Params ButtonPeer::CreationParams()
{
    return {L"BUTTON", DWORD(button_.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0};
}

void ButtonPeer::Refresh()
{
    WindowPeer::Refresh();
    LONG type = GetWindowLongW(Handle(), GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        LONG wanted = button_.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (type != wanted)
            SendMessageW(Handle(), BM_SETSTYLE, WPARAM(wanted), TRUE);
    }
}

bool ButtonPeer::Command(WORD code)
{
    if (code != BN_CLICKED)
        return false;
    button_.Click();
    return true;
}

bool BitBtnPeer::DrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = item.itemState & ODS_SELECTED, focused = item.itemState & ODS_FOCUS,
         disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (bitBtn_.Default || focused) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
    if (pressed)
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    const TBitmap* glyph = bitBtn_.Picture && !bitBtn_.Picture->Empty() ? bitBtn_.Picture.get()
                                                                        : StockGlyphBitmap(bitBtn_.Glyph);
    DrawFace(dc, bitBtn_, r, glyph, pressed, disabled);
    if (focused) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dc, &r);
    }
    return true;
}

bool SpeedButtonPeer::Command(WORD code)
{
    if (code != BN_CLICKED)
        return false;
    speed_.Click();
    return true;
}

bool SpeedButtonPeer::DrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = item.itemState & ODS_SELECTED, disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &r, SolidBrush(speed_.Color));
    if (!speed_.Flat)
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    else if (pressed)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    const TBitmap* glyph = speed_.Glyph && !speed_.Glyph->Empty() ? speed_.Glyph.get() : nullptr;
    DrawFace(dc, speed_, r, glyph, pressed, disabled);
    return true;
}

} // namespace lorivex::ui::win32
