#include "highlight/Highlighter.h"

namespace lorivex {

THighlighter::THighlighter(std::string displayName, std::string shortName, std::vector<std::string> extensions,
                           std::vector<TTokenKind> kinds)
    : displayName_(std::move(displayName)),
      shortName_(std::move(shortName)),
      extensions_(std::move(extensions)),
      kinds_(std::move(kinds))
{
}

void THighlighter::ScanLine(std::u16string_view line, TLineState& state, std::vector<TToken>& tokens) const
{
    tokens.clear();
    TLineScanner scanner(line, tokens);
    Scan(scanner, state);
    // A scanner that gives up early still leaves the line covered.
    scanner.EmitRest(TTokenKind::Text);
}

} // namespace lorivex
