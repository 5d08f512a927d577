#include "ui/win32/ListBoxPeer.h"

#include <algorithm>

#include "ui/win32/GdiCanvas.h"
#include "ui/win32/ItemSync.h"

namespace lorivex::ui::win32 {

namespace {

// The system keeps item heights in a byte.
int ItemHeightLimit(int height)
{
    return std::clamp(height, 1, 255);
}

} // namespace

WindowPeer::Params ListBoxPeer::CreationParams()
{
    Params params = Styles();
    createdStyle_ = params.Style;
    createdExStyle_ = params.ExStyle;
    return params;
}

WindowPeer::Params ListBoxPeer::Styles() const
{
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
    if (list_.Style == TListBoxStyle::OwnerDrawFixed)
        style |= LBS_OWNERDRAWFIXED;
    else if (list_.Style == TListBoxStyle::OwnerDrawVariable)
        style |= LBS_OWNERDRAWVARIABLE;
    DWORD exStyle = 0;
    if (list_.BorderStyle == TBorderStyle::Single) {
        if (list_.Ctl3D)
            exStyle |= WS_EX_CLIENTEDGE;
        else
            style |= WS_BORDER;
    }
    return {L"LISTBOX", style, exStyle};
}

void ListBoxPeer::Refresh()
{
    // The drawing style and the border are fixed when the list is made.
    Params wanted = Styles();
    if (wanted.Style != createdStyle_ || wanted.ExStyle != createdExStyle_) {
        shown_.clear();
        scrollWidth_ = -1;
        Recreate();
        return;
    }
    WindowPeer::Refresh();
    if (list_.Style == TListBoxStyle::OwnerDrawFixed)
        SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, ItemHeightLimit(list_.ItemHeight));
    ApplyItems();
}

void ListBoxPeer::Changed(ControlChange what)
{
    WindowPeer::Changed(what);
    if (Handle() && (what == ControlChange::Items || what == ControlChange::State))
        ApplyItems();
}

void ListBoxPeer::ApplyItems()
{
    if (applying_)
        return;
    applying_ = true;
    SyncItems(Handle(), ListBoxMessages, list_.Items, shown_);
    ApplyScrollWidth();
    if (SendMessageW(Handle(), LB_GETCURSEL, 0, 0) != list_.ItemIndex())
        SendMessageW(Handle(), LB_SETCURSEL, WPARAM(list_.ItemIndex()), 0);
    if (list_.Items.Count() > 0) {
        int top = list_.TopIndex();
        if (SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0) != top)
            SendMessageW(Handle(), LB_SETTOPINDEX, WPARAM(top), 0);
        // The toolkit reckons with the control's outer height; the list knows
        // its border and its scroll bar. The selected item (the newest line
        // of a progress list) stays wholly in view.
        int index = list_.ItemIndex();
        RECT client{}, item{};
        GetClientRect(Handle(), &client);
        while (index > top && SendMessageW(Handle(), LB_GETITEMRECT, WPARAM(index), LPARAM(&item)) != LB_ERR
               && item.bottom > client.bottom)
            SendMessageW(Handle(), LB_SETTOPINDEX, WPARAM(++top), 0);
        top = int(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0));
        if (top != list_.TopIndex())
            list_.SetTopIndex(top);
    }
    applying_ = false;
}

void ListBoxPeer::ApplyScrollWidth()
{
    if (list_.ScrollWidth == scrollWidth_)
        return;
    scrollWidth_ = list_.ScrollWidth;
    // The range covers the text and the item's margins.
    SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, WPARAM(std::max(0, scrollWidth_)), 0);
}

bool ListBoxPeer::Command(WORD code)
{
    if (code != LBN_SELCHANGE)
        return false;
    int index = int(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    list_.SetItemIndex(index);
    list_.Click();
    return true;
}

bool ListBoxPeer::MeasureItem(MEASUREITEMSTRUCT& item)
{
    int index = int(item.itemID);
    if (list_.Style == TListBoxStyle::OwnerDrawVariable && index >= 0 && index < list_.Items.Count())
        item.itemHeight = UINT(ItemHeightLimit(list_.HeightOfItem(index)));
    else
        item.itemHeight = UINT(ItemHeightLimit(list_.ItemHeight));
    return true;
}

bool ListBoxPeer::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (list_.Style == TListBoxStyle::Standard)
        return false;
    int index = int(item.itemID);
    if (index < 0 || index >= list_.Items.Count()) {
        // An empty list that has the focus: only the focus frame.
        if (item.itemAction & ODA_FOCUS)
            DrawFocusRect(item.hDC, &item.rcItem);
        return true;
    }
    TOwnerDrawState state = 0;
    if (item.itemState & ODS_SELECTED)
        state |= odSelected;
    if (item.itemState & ODS_FOCUS)
        state |= odFocused;
    if (item.itemState & ODS_DISABLED)
        state |= odDisabled;
    TRect rect = FromRect(item.rcItem);
    // The item is drawn into a bitmap of its own size and copied at once, so
    // a gradient behind the text never flickers.
    int width = std::max(1, rect.Width()), height = std::max(1, rect.Height());
    HDC buffer = CreateCompatibleDC(item.hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, width, height);
    HGDIOBJ previous = SelectObject(buffer, bitmap);
    struct Release {
        HDC buffer;
        HBITMAP bitmap;
        HGDIOBJ previous;
        ~Release()
        {
            SelectObject(buffer, previous);
            DeleteObject(bitmap);
            DeleteDC(buffer);
        }
    } release{buffer, bitmap, previous};
    SetViewportOrgEx(buffer, -rect.Left, -rect.Top, nullptr);
    IntersectClipRect(buffer, rect.Left, rect.Top, rect.Right, rect.Bottom);
    PaintThroughCanvas(list_, buffer, [&] { list_.DrawItem(index, rect, state); });
    SetViewportOrgEx(buffer, 0, 0, nullptr);
    BitBlt(item.hDC, rect.Left, rect.Top, width, height, buffer, 0, 0, SRCCOPY);
    if ((item.itemState & ODS_FOCUS) && list_.Style == TListBoxStyle::OwnerDrawFixed)
        DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

LRESULT ListBoxPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        // ScrollWidth is a plain field; a new range may bring the scroll bar
        // that then covers the newest line.
        if (list_.ScrollWidth != scrollWidth_)
            ApplyItems();
        break;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
        // Scrolled by a person: the toolkit's top item follows.
        LRESULT result = WindowPeer::WindowProc(message, wParam, lParam);
        int top = int(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0));
        if (top != list_.TopIndex())
            list_.SetTopIndex(top);
        return result;
    }
    default:
        break;
    }
    return WindowPeer::WindowProc(message, wParam, lParam);
}

} // namespace lorivex::ui::win32
