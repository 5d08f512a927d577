#pragma once
// PHP: code islands (<?php ... ?>, <?= ... ?>) inside HTML, variables,
// strings over several lines with variables inside, here- and
// now-documents, the three comment forms and attributes.
#include "highlight/Highlighter.h"

namespace lorivex {

class TPhpHighlighter : public THighlighter {
public:
    TPhpHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
