#pragma once
// Finding the add-in's toolbar among Word's command bars, and its controls
// by the kind they were made as.
#include <string>

#include "host/HostCommandBar.h"
#include "services/word/Forward.h"

namespace lorivex {

// The first bar, from item 1 to Count, whose Name equals the name without
// regard to case; failing that the first whose NameLocal does (a localised
// Word may show the name translated). nullptr when none.
word::CommandBarPtr FindHostCommandBar(const word::CommandBarsPtr& bars, const std::string& name);

// msoControlPopup for a popup definition, msoControlButton otherwise.
long HostControlType(const THostCommandBarControl& control);

} // namespace lorivex
