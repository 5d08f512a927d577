#include "highlight/CssHighlighter.h"

namespace lorivex {

TCssHighlighter::TCssHighlighter()
    : THighlighter("Cascading Style Sheet", "css", {".css"},
                   {TTokenKind::Selector, TTokenKind::Property, TTokenKind::Value, TTokenKind::AtRule,
                    TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String, TTokenKind::Number,
                    TTokenKind::Operator})
{
}

void TCssHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    TCssScanner().Scan(scanner, state.Code);
}

} // namespace lorivex
