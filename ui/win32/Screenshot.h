#pragma once
// Pictures of windows as they are on screen, for tests and for people who
// look at them: a form's whole window (frame and caption included) or its
// client area, as the toolkit's bitmap or as a 24-bit BMP file.
#include <string>

#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

// Paints whatever is waiting to be painted in the window and its children
// first, so the picture is up to date.
TBitmap CaptureWindow(HWND window, bool clientOnly = false);
// The form must be shown.
TBitmap CaptureForm(TForm& form, bool clientOnly = false);
void SaveBmp(const TBitmap& bitmap, const std::string& path);

} // namespace lorivex::ui::win32
