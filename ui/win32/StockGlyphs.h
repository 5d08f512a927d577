#pragma once
// The pictures of the common buttons: a green check mark for OK, a red
// cross for Cancel, on a transparent background.
#include "ui/Picture.h"

namespace lorivex::ui::win32 {

// nullptr for StockGlyph::None.
const TBitmap* StockGlyphBitmap(StockGlyph glyph);

} // namespace lorivex::ui::win32
