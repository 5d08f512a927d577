#pragma once
// GDI fonts for the toolkit's fonts. A TFont's height is the character
// height without internal leading, which is what a negative lfHeight asks
// for. Fonts are made once per face, height and style and kept for the
// life of the process: dialogs use a handful, and a font still selected into
// a control must never be deleted under it.
#include "ui/Font.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

LOGFONTW LogFontOf(const TFont& font);
HFONT FontHandle(const TFont& font);

} // namespace lorivex::ui::win32
