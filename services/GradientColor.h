#pragma once
// The colour of one pixel column of the caption gradient.
#include "ui/Color.h"

namespace lorivex {

// Channels move linearly from `from` (position 0) to `to` (position span),
// rounded to the nearest integer with halves going to the even neighbour.
// System colours are resolved first. A span of 0 (a rectangle without
// width) gives `from`.
ui::TColor GradientColor(ui::TColor from, ui::TColor to, int span, int position);

} // namespace lorivex
