#pragma once
// CORBA IDL: C-style comments, strings and # preprocessor lines.
#include "highlight/CFamilyHighlighter.h"

namespace lorivex {

class TIdlHighlighter : public TCFamilyHighlighter {
public:
    TIdlHighlighter();
};

} // namespace lorivex
