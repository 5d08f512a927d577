#include "highlight/HtmlHighlighter.h"

#include "highlight/MarkupScanner.h"

namespace lorivex {

THtmlHighlighter::THtmlHighlighter()
    : THighlighter("HTML", "html", {".html", ".htm", ".xhtml", ".shtml", ".hta"},
                   {TTokenKind::Text, TTokenKind::Tag, TTokenKind::AttributeName, TTokenKind::AttributeValue,
                    TTokenKind::Entity, TTokenKind::Comment, TTokenKind::Cdata, TTokenKind::Preprocessor,
                    TTokenKind::Operator, TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::String,
                    TTokenKind::Number, TTokenKind::Regex, TTokenKind::Selector, TTokenKind::Property,
                    TTokenKind::Value, TTokenKind::AtRule})
{
}

void THtmlHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    TMarkupScanner({true, false}).Scan(scanner, state.Markup, state.Embedded);
}

} // namespace lorivex
