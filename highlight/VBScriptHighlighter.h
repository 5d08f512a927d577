#pragma once
// VBScript, the Basic of Windows Script Host and classic ASP.
#include "highlight/Highlighter.h"

namespace lorivex {

class TVBScriptHighlighter : public THighlighter {
public:
    TVBScriptHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
