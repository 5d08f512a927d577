#pragma once
// Visual Basic (classic and .NET).
#include "highlight/Highlighter.h"

namespace lorivex {

class TVisualBasicHighlighter : public THighlighter {
public:
    TVisualBasicHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
