#include "highlight/XmlHighlighter.h"

#include "highlight/MarkupScanner.h"

namespace lorivex {

TXmlHighlighter::TXmlHighlighter()
    : THighlighter("XML", "xml",
                   {".xml", ".xsd", ".xsl", ".xslt", ".svg", ".xaml", ".csproj", ".vbproj", ".vcxproj", ".props",
                    ".targets", ".config", ".resx", ".manifest", ".plist", ".rss", ".atom", ".wsdl", ".dtd"},
                   {TTokenKind::Text, TTokenKind::Tag, TTokenKind::AttributeName, TTokenKind::AttributeValue,
                    TTokenKind::Entity, TTokenKind::Comment, TTokenKind::Cdata, TTokenKind::Preprocessor,
                    TTokenKind::Operator})
{
}

void TXmlHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    TMarkupScanner({false, ParseBraces}).Scan(scanner, state.Markup, state.Embedded);
}

} // namespace lorivex
