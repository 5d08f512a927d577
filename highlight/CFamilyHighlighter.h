#pragma once
// A highlighter whose whole language is one C-family syntax.
#include "highlight/CFamilyScanner.h"
#include "highlight/Highlighter.h"

namespace lorivex {

class TCFamilyHighlighter : public THighlighter {
protected:
    TCFamilyHighlighter(std::string displayName, std::string shortName, std::vector<std::string> extensions,
                        std::vector<TTokenKind> kinds, const TCFamilySyntax& syntax)
        : THighlighter(std::move(displayName), std::move(shortName), std::move(extensions), std::move(kinds)),
          scanner_(syntax)
    {
    }
    void Scan(TLineScanner& scanner, TLineState& state) const override { scanner_.Scan(scanner, state.Code); }

private:
    TCFamilyScanner scanner_;
};

} // namespace lorivex
