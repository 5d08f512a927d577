#pragma once
// Cascading style sheets: selectors, declaration blocks with properties
// and values, at-rules with their preludes and blocks, nested blocks,
// comments over several lines. HTML borrows it for its style blocks.
#include "highlight/LineScanner.h"
#include "highlight/LineState.h"

namespace lorivex {

class TCssScanner {
public:
    void Scan(TLineScanner& scanner, TScanState& state) const;
};

} // namespace lorivex
