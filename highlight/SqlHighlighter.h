#pragma once
// SQL: -- and /* */ comments, strings with doubled quotes over several
// lines, quoted and bracketed names, @variables; keywords ignore case.
#include "highlight/Highlighter.h"

namespace lorivex {

class TSqlHighlighter : public THighlighter {
public:
    TSqlHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
