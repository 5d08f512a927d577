#pragma once
// HTML, with JavaScript in script blocks and CSS in style blocks.
#include "highlight/Highlighter.h"

namespace lorivex {

class THtmlHighlighter : public THighlighter {
public:
    THtmlHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
