#pragma once
// The caption banner every dialog shares: a horizontal gradient from the
// active-caption colour at the form's left edge to the inactive-caption
// colour at its full client width, painted on a paint box (whose own
// coordinates start at its top-left corner; what lies outside it is
// clipped), optionally with the caption of the panel holding the paint box
// drawn over it in bold caption-text colour, centred, 5 pixels from the top.
// Every paint handler of a banner calls this one function.
#include "ui/Panels.h"

namespace lorivex {

void PaintCaptionBanner(ui::TPaintBox& paintBox, bool withCaption);

} // namespace lorivex
