#pragma once
// Cascading style sheets.
#include "highlight/CssScanner.h"
#include "highlight/Highlighter.h"

namespace lorivex {

class TCssHighlighter : public THighlighter {
public:
    TCssHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
