#pragma once
// XML and HTML markup: tags with their attributes, entities, comments,
// CDATA sections, processing instructions and declarations, any of which
// may run over several lines. For HTML, tag names ignore case and the
// content of script and style elements goes to the JavaScript and CSS
// scanners, whose state travels beside the markup's.
#include "highlight/LineScanner.h"
#include "highlight/LineState.h"

namespace lorivex {

struct TMarkupSyntax {
    bool Html = false;
    // Braces in text and attribute values are punctuation of their own
    // ({Binding Path} in XAML); off, they are text like any other.
    bool ParseBraces = false;
};

class TMarkupScanner {
public:
    explicit TMarkupScanner(TMarkupSyntax syntax) : syntax_(syntax) {}
    void Scan(TLineScanner& scanner, TScanState& markup, TScanState& embedded) const;

private:
    TMarkupSyntax syntax_;
};

} // namespace lorivex
