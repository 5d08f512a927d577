#include "ui/win32/EditPeers.h"

#include "ui/win32/WindowClasses.h"

namespace lorivex::ui::win32 {

namespace {

void ApplyReadOnly(HWND window, bool readOnly)
{
    bool now = (GetWindowLongW(window, GWL_STYLE) & ES_READONLY) != 0;
    if (now != readOnly)
        SendMessageW(window, EM_SETREADONLY, readOnly, 0);
}

// Read-only and disabled edits ask for WM_CTLCOLORSTATIC: a disabled one
// shows the face colour, a read-only one keeps its own.
HBRUSH EditColor(const TControl& control, HDC dc)
{
    TColor back = control.Enabled() ? control.Color : clBtnFace;
    SetTextColor(dc, control.Enabled() ? ColorToRGB(control.Font.Color) : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, ColorToRGB(back));
    return SolidBrush(back);
}

// The lines a text splits into, as the memo's Lines would hold them.
std::vector<std::string> LinesOf(const std::string& text)
{
    TStrings lines;
    lines.SetText(text);
    std::vector<std::string> result;
    for (const auto& line : lines)
        result.push_back(line.Text);
    return result;
}

std::vector<std::string> LinesOf(const TStrings& strings)
{
    std::vector<std::string> result;
    for (const auto& line : strings)
        result.push_back(line.Text);
    return result;
}

} // namespace

void EditPeer::Refresh()
{
    WindowPeer::Refresh();
    ApplyReadOnly(Handle(), edit_.ReadOnly);
}

bool EditPeer::Command(WORD code)
{
    if (code != EN_CHANGE)
        return false;
    if (!updating_)
        edit_.SetText(WindowText(Handle()));
    return true;
}

HBRUSH EditPeer::ControlColor(HDC dc)
{
    return EditColor(edit_, dc);
}

WindowPeer::Params MemoPeer::CreationParams()
{
    DWORD style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
    if (!memo_.WordWrap)
        style |= ES_AUTOHSCROLL | WS_HSCROLL;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
}

std::wstring MemoPeer::CreationText()
{
    std::string text;
    for (int i = 0; i < memo_.Lines.Count(); ++i)
        text += (i ? "\r\n" : "") + memo_.Lines[i];
    return Wide(text);
}

void MemoPeer::ApplyCaption()
{
    if (LinesOf(WindowText(Handle())) != LinesOf(memo_.Lines))
        WindowPeer::ApplyCaption();
}

void MemoPeer::Changed(ControlChange what)
{
    WindowPeer::Changed(what);
    if (what == ControlChange::Items && Handle())
        ApplyCaption();
}

void MemoPeer::Refresh()
{
    // Word wrap is fixed when the edit control is made.
    bool wraps = !(GetWindowLongW(Handle(), GWL_STYLE) & ES_AUTOHSCROLL);
    if (wraps != memo_.WordWrap) {
        Recreate();
        return;
    }
    WindowPeer::Refresh();
    ApplyReadOnly(Handle(), memo_.ReadOnly);
}

bool MemoPeer::Command(WORD code)
{
    if (code != EN_CHANGE)
        return false;
    if (!updating_) {
        std::string text = WindowText(Handle());
        if (LinesOf(text) != LinesOf(memo_.Lines))
            memo_.SetText(text);
    }
    return true;
}

HBRUSH MemoPeer::ControlColor(HDC dc)
{
    return EditColor(memo_, dc);
}

LRESULT MemoPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE) {
        // Enter makes a new line; Tab and Escape still move on and cancel,
        // as in any dialog.
        LRESULT code = DefaultProc(message, wParam, lParam);
        code &= ~LRESULT(DLGC_WANTTAB);
        if (const auto* msg = reinterpret_cast<const MSG*>(lParam))
            if (msg->message == WM_KEYDOWN && (msg->wParam == VK_TAB || msg->wParam == VK_ESCAPE))
                code &= ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
        return code;
    }
    return WindowPeer::WindowProc(message, wParam, lParam);
}

} // namespace lorivex::ui::win32
