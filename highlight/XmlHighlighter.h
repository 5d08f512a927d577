#pragma once
// XML: elements, attributes, entities, comments, CDATA sections,
// processing instructions and DOCTYPE declarations.
#include "highlight/Highlighter.h"

namespace lorivex {

class TXmlHighlighter : public THighlighter {
public:
    TXmlHighlighter();
    // Braces as punctuation of their own, for markup that gives them a
    // meaning (XAML's {Binding}); off by default, as plain XML has none.
    bool ParseBraces = false;

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
