#include "ui/win32/ChoicePeers.h"

#include "ui/win32/ContainerPeers.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/ItemSync.h"
#include "ui/win32/WindowClasses.h"

namespace lorivex::ui::win32 {

void CheckBoxPeer::Changed(ControlChange what)
{
    WindowPeer::Changed(what);
    if (what == ControlChange::State && Handle())
        ApplyState();
}

void CheckBoxPeer::Refresh()
{
    WindowPeer::Refresh();
    ApplyState();
}

void CheckBoxPeer::ApplyState()
{
    SendMessageW(Handle(), BM_SETCHECK, check_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBoxPeer::Command(WORD code)
{
    if (code != BN_CLICKED)
        return false;
    check_.Click();
    return true;
}

WindowPeer::Params RadioGroupPeer::CreationParams()
{
    return {ContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

HWND RadioGroupPeer::Button(int index) const
{
    return index >= 0 && size_t(index) < buttons_.size() ? buttons_[size_t(index)] : nullptr;
}

void RadioGroupPeer::Changed(ControlChange what)
{
    WindowPeer::Changed(what);
    if (!Handle())
        return;
    switch (what) {
    case ControlChange::Items:
        MakeButtons();
        break;
    case ControlChange::State:
        ApplyState();
        break;
    case ControlChange::Bounds:
    case ControlChange::Font:
        Arrange();
        break;
    case ControlChange::Enabled:
        for (HWND button : buttons_)
            EnableWindow(button, group_.Enabled());
        break;
    default:
        break;
    }
}

void RadioGroupPeer::Refresh()
{
    WindowPeer::Refresh();
    MakeButtons();
}

void RadioGroupPeer::MakeButtons()
{
    std::vector<std::string> items;
    for (const auto& item : group_.Items)
        items.push_back(item.Text);
    if (items != shown_ || buttons_.size() != items.size()) {
        for (HWND button : buttons_)
            DestroyWindow(button);
        buttons_.clear();
        for (size_t i = 0; i < items.size(); ++i) {
            DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_RADIOBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
            HWND button = CreateWindowExW(0, L"BUTTON", Wide(items[i]).c_str(), style, 0, 0, 0, 0, Handle(),
                                          reinterpret_cast<HMENU>(INT_PTR(FirstControlId + i)), ModuleInstance(),
                                          nullptr);
            buttons_.push_back(button);
        }
        shown_ = items;
    }
    for (HWND button : buttons_) {
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(group_.Font)), FALSE);
        EnableWindow(button, group_.Enabled());
    }
    Arrange();
    ApplyState();
}

void RadioGroupPeer::Arrange()
{
    if (buttons_.empty())
        return;
    HDC dc = GetDC(Handle());
    HGDIOBJ previous = SelectObject(dc, FontHandle(group_.Font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    // Items run down the first column, then the next, sharing the height
    // under the caption equally.
    int columns = std::max(1, group_.Columns);
    int count = int(buttons_.size());
    int perColumn = (count + columns - 1) / columns;
    int columnWidth = (group_.Width() - 10) / columns;
    int room = group_.Height() - metrics.tmHeight - 5;
    int rowHeight = room / perColumn;
    int topMargin = metrics.tmHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        SetWindowPos(buttons_[size_t(i)], nullptr, (i / perColumn) * columnWidth + 8,
                     (i % perColumn) * rowHeight + topMargin, columnWidth, rowHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void RadioGroupPeer::ApplyState()
{
    for (size_t i = 0; i < buttons_.size(); ++i)
        SendMessageW(buttons_[i], BM_SETCHECK, int(i) == group_.ItemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioGroupPeer::PaintContent(HDC dc)
{
    FillBackground(dc, group_);
    HGDIOBJ previous = SelectObject(dc, FontHandle(group_.Font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    RECT frame{0, metrics.tmHeight / 2, group_.Width(), group_.Height()};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (group_.Caption().empty())
        return;
    std::wstring caption = Wide(group_.Caption());
    HGDIOBJ font = SelectObject(dc, FontHandle(group_.Font));
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &size);
    SelectObject(dc, font);
    RECT text{8, 0, 8 + size.cx + 2, metrics.tmHeight};
    FillRect(dc, &text, SolidBrush(group_.Color));
    OffsetRect(&text, 1, 0);
    DrawControlText(dc, group_, group_.Caption(), text, DT_LEFT | DT_SINGLELINE);
}

LRESULT RadioGroupPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (PaintMessage(Handle(), message, wParam, result, [this](HDC dc) { PaintContent(dc); }))
        return result;
    switch (message) {
    case WM_COMMAND:
        for (size_t i = 0; i < buttons_.size(); ++i)
            if (reinterpret_cast<HWND>(lParam) == buttons_[i]) {
                if (HIWORD(wParam) == BN_CLICKED)
                    group_.Choose(int(i));
                return 0;
            }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(ControlColor(reinterpret_cast<HDC>(wParam)));
    default:
        break;
    }
    return WindowPeer::WindowProc(message, wParam, lParam);
}

RECT ComboBoxPeer::WindowBounds()
{
    // Room for eight items below the selection field.
    RECT r = ToRect(combo_.BoundsRect());
    r.bottom += 8 * std::max(13, combo_.Height()) + 2;
    return r;
}

void ComboBoxPeer::ApplyBounds()
{
    RECT wanted = WindowBounds();
    RECT now{};
    GetWindowRect(Handle(), &now);
    MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&now), 2);
    // The system sizes the selection field to the font; only the position
    // and the width are ours.
    if (now.left == wanted.left && now.top == wanted.top && now.right == wanted.right)
        return;
    bool was = std::exchange(updating_, true);
    SetWindowPos(Handle(), nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    updating_ = was;
}

void ComboBoxPeer::Changed(ControlChange what)
{
    WindowPeer::Changed(what);
    if (!Handle())
        return;
    if (what == ControlChange::Items || what == ControlChange::State)
        ApplyItems();
}

void ComboBoxPeer::Refresh()
{
    WindowPeer::Refresh();
    ApplyItems();
}

void ComboBoxPeer::ApplyItems()
{
    SyncItems(Handle(), ComboBoxMessages, combo_.Items, shown_);
    if (SendMessageW(Handle(), CB_GETCURSEL, 0, 0) != combo_.ItemIndex())
        SendMessageW(Handle(), CB_SETCURSEL, WPARAM(combo_.ItemIndex()), 0);
}

bool ComboBoxPeer::Command(WORD code)
{
    if (code != CBN_SELCHANGE)
        return false;
    combo_.Choose(int(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
    // Out of reach the toolkit refuses: the list shows its choice again.
    ApplyItems();
    return true;
}

} // namespace lorivex::ui::win32
