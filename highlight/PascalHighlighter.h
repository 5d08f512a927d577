#pragma once
// Object Pascal: the three comment forms ({ }, (* *), //) with compiler
// directives inside the first two, strings with doubled quotes and #13
// character codes, $hex, %binary and &octal numbers; keywords ignore case.
#include "highlight/Highlighter.h"

namespace lorivex {

class TPascalHighlighter : public THighlighter {
public:
    TPascalHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
