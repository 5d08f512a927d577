#pragma once
// What every file of the Win32 back end shares: the system headers (through
// the one place that includes <windows.h>), the common controls and common
// dialogs, our private window messages and the text conversions at the W
// API boundary. The toolkit's text is ANSI; the windows get UTF-16.
#include "platform/win32/Win32Api.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

#include "platform/CodePages.h"
#include "ui/Geometry.h"

namespace lorivex::ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 passes to the W API as is");

inline std::wstring Wide(const std::string& ansi)
{
    std::u16string text = platform::AnsiToUtf16(ansi);
    return std::wstring(text.begin(), text.end());
}

inline std::string Ansi(const std::wstring& wide)
{
    return platform::Utf16ToAnsi(std::u16string(wide.begin(), wide.end()));
}

inline std::string WindowText(HWND window)
{
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return Ansi(text);
}

inline RECT ToRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Messages of our own, above WM_APP so that no system control uses them.
enum : UINT {
    WM_LORIVEX_WAKE = WM_APP + 0x4C00, // a worker waits for a synchronized call
    WM_LORIVEX_SYNC,                   // a control catches up with changes made in a burst
};

// Control ids start above the ones the dialog manager gives a meaning
// (IDOK ... IDCONTINUE), so that WM_COMMAND with IDOK or IDCANCEL can only
// be Enter or Escape.
constexpr int FirstControlId = 100;

} // namespace lorivex::ui::win32
