#pragma once
// The system's own dialogs: message boxes, the open and save file dialogs,
// and popup menus, each owned by the window given.
#include "ui/Dialogs.h"
#include "ui/Geometry.h"
#include "ui/Menus.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

// MessageBoxW; the result is the button's modal result (IDOK is mrOk ...).
TModalResult RunMessageBox(const MessageBoxRequest& request, HWND owner);

// The toolkit's filter "Text|*.a;*.b|Other|*.*" as the system wants it:
// pairs separated by NULs, the end marked by two.
std::wstring FileDialogFilter(const std::string& filter);
// GetOpenFileNameW or GetSaveFileNameW; true with FileName (the full path)
// and FilterIndex set when the person chose a file.
bool RunFileDialog(TFileDialog& dialog, HWND owner);

// TrackPopupMenu at the screen position: captions with their "&" keys,
// lines, greyed items, pictures from the menu's image list or the item's
// own bitmap. Returns the index of the chosen item, or -1.
int TrackMenu(const TPopupMenu& menu, TPoint at, HWND owner);

} // namespace lorivex::ui::win32
