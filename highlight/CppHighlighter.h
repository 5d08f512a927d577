#pragma once
// C and C++: directives carried on by backslashes, raw strings over
// several lines, encoding prefixes, digit separators.
#include "highlight/CFamilyHighlighter.h"

namespace lorivex {

class TCppHighlighter : public TCFamilyHighlighter {
public:
    TCppHighlighter();
};

} // namespace lorivex
