#pragma once
// MS-DOS and Windows command scripts: REM and :: comments, :labels,
// %variables%, %1 and %~dp0 arguments, %%i loop variables, !delayed!
// expansion, echo text, redirections and command separators.
#include "highlight/Highlighter.h"

namespace lorivex {

class TBatchHighlighter : public THighlighter {
public:
    TBatchHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
