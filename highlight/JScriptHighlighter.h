#pragma once
// JavaScript: regular expressions told from division by what precedes
// the slash, template literals with ${} over several lines. HTML borrows
// the syntax for its script blocks.
#include "highlight/CFamilyHighlighter.h"

namespace lorivex {

const TCFamilySyntax& JavaScriptSyntax();

class TJScriptHighlighter : public TCFamilyHighlighter {
public:
    TJScriptHighlighter();
};

} // namespace lorivex
