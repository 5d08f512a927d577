#pragma once
// Text measurement without a screen: a fixed-pitch model of the font, so
// that sizes computed in tests are the same on every machine.
//   character width = (height * 5 + 5) / 11 pixels, at least 1, plus 1 when
//                     bold (MS Sans Serif's 11-pixel face gives 5, as its
//                     average character width on Windows does);
//   text width      = character width * number of characters (bytes);
//   text height     = height + height / 5 (11 gives 13: the cell with its
//                     internal leading).
#include <string>

#include "ui/Font.h"
#include "ui/Geometry.h"

namespace lorivex::ui::headless {

int CharWidth(const TFont& font);
TSize MeasureText(const std::string& text, const TFont& font);

} // namespace lorivex::ui::headless
