#pragma once
// Java: text blocks over several lines, annotations.
#include "highlight/CFamilyHighlighter.h"

namespace lorivex {

class TJavaHighlighter : public TCFamilyHighlighter {
public:
    TJavaHighlighter();
};

} // namespace lorivex
