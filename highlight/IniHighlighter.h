#pragma once
// INI files: [sections], key=value lines, ; and # comment lines.
#include "highlight/Highlighter.h"

namespace lorivex {

class TIniHighlighter : public THighlighter {
public:
    TIniHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
