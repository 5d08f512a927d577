#pragma once
// Perl: sigils ($x, @list, %hash, $#list, $1), strings with variables
// inside, the quote-like operators (q qq qw qx m qr s tr y) with any
// delimiters and over several lines, regular expressions told from
// division, here-documents (<<"EOF", <<'EOF', <<~EOF, several on a line),
// POD blocks (=head1 ... =cut) and the __END__ section.
#include "highlight/Highlighter.h"

namespace lorivex {

class TPerlHighlighter : public THighlighter {
public:
    TPerlHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
