#pragma once
// C#: verbatim strings over several lines with "" inside, interpolated
// strings with code in their braces, raw """ strings, # directives.
#include "highlight/CFamilyHighlighter.h"

namespace lorivex {

class TCSharpHighlighter : public TCFamilyHighlighter {
public:
    TCSharpHighlighter();
};

} // namespace lorivex
