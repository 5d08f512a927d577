// XML and HTML markup, and the style sheets HTML carries.
#include "highlight/CssHighlighter.h"
#include "highlight/HighlightSupport.h"
#include "highlight/HtmlHighlighter.h"
#include "highlight/XmlHighlighter.h"

namespace lorivex::test {
namespace {

TEST(XmlHighlighter, TagsAttributesEntitiesAndDeclarations)
{
    TXmlHighlighter xml;
    auto lines = ScanLines(xml, {"<?xml version=\"1.0\" encoding=\"utf-8\"?>",
                                 "<!DOCTYPE note [ <!ENTITY w \"Lorivex\"> ]>",
                                 "<note id='n1' xml:lang=\"en\">Tom &amp; &#233;&w;</note><br/>"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "<?xml version=\"1.0\" encoding=\"utf-8\"?>"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Preprocessor, "<!DOCTYPE note [ <!ENTITY w \"Lorivex\"> ]>"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Tag, "<note"}, {K::AttributeName, "id"}, {K::Operator, "="},
                                {K::AttributeValue, "'n1'"}, {K::AttributeName, "xml:lang"}, {K::Operator, "="},
                                {K::AttributeValue, "\"en\""}, {K::Tag, ">"}, {K::Text, "Tom "}, {K::Entity, "&amp;"},
                                {K::Text, " "}, {K::Entity, "&#233;&w;"}, {K::Tag, "</note><br/>"}}));
}

TEST(XmlHighlighter, CommentsCdataAndAttributeValuesSpanLines)
{
    TXmlHighlighter xml;
    auto lines = ScanLines(xml, {"<a title=\"first", "second\"><!-- note", "--><![CDATA[ x < y", "]]> & done</a>"});
    EXPECT_EQ(lines[0], (Pieces{{K::Tag, "<a"}, {K::AttributeName, "title"}, {K::Operator, "="},
                                {K::AttributeValue, "\"first"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::AttributeValue, "second\""}, {K::Tag, ">"}, {K::Comment, "<!-- note"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Comment, "-->"}, {K::Cdata, "<![CDATA[ x < y"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Cdata, "]]>"}, {K::Text, " & done"}, {K::Tag, "</a>"}}));
}

TEST(XmlHighlighter, BracesAreTextUnlessParsed)
{
    TXmlHighlighter xml;
    EXPECT_FALSE(xml.ParseBraces);
    const std::string line = "<Label Text=\"{Binding Name}\">{x}</Label>";
    EXPECT_EQ(ScanLine(xml, line)[3], (Piece{K::AttributeValue, "\"{Binding Name}\""}));
    xml.ParseBraces = true;
    EXPECT_EQ(ScanLine(xml, line), (Pieces{{K::Tag, "<Label"}, {K::AttributeName, "Text"}, {K::Operator, "="},
                                           {K::AttributeValue, "\""}, {K::Operator, "{"},
                                           {K::AttributeValue, "Binding Name"}, {K::Operator, "}"},
                                           {K::AttributeValue, "\""}, {K::Tag, ">"}, {K::Operator, "{"},
                                           {K::Text, "x"}, {K::Operator, "}"}, {K::Tag, "</Label>"}}));
}

TEST(HtmlHighlighter, ScriptAndStyleBlocksUseTheirOwnLanguages)
{
    THtmlHighlighter html;
    auto lines = ScanLines(html, {"<!DOCTYPE html><SCRIPT type=\"text/javascript\">var a = 1; /* x",
                                  "</script> */ if (a < 2) {}</SCRIPT><p class=x>a &lt; b</p>",
                                  "<style>p { color: #f00 }</style>"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "<!DOCTYPE html>"}, {K::Tag, "<SCRIPT"},
                                {K::AttributeName, "type"}, {K::Operator, "="},
                                {K::AttributeValue, "\"text/javascript\""}, {K::Tag, ">"}, {K::Keyword, "var"},
                                {K::Identifier, "a"}, {K::Operator, "="}, {K::Number, "1"}, {K::Operator, ";"},
                                {K::Comment, "/* x"}}));
    // The end tag ends the script, whatever the script left open.
    EXPECT_EQ(lines[1], (Pieces{{K::Tag, "</script>"}, {K::Text, " */ if (a < 2) {}"},
                                {K::Tag, "</SCRIPT><p"}, {K::AttributeName, "class"}, {K::Operator, "="},
                                {K::AttributeValue, "x"}, {K::Tag, ">"}, {K::Text, "a "}, {K::Entity, "&lt;"},
                                {K::Text, " b"}, {K::Tag, "</p>"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Tag, "<style>"}, {K::Selector, "p"}, {K::Operator, "{"},
                                {K::Property, "color"}, {K::Operator, ":"}, {K::Number, "#f00"}, {K::Operator, "}"},
                                {K::Tag, "</style>"}}));
}

TEST(HtmlHighlighter, ScriptStateCarriesAcrossLines)
{
    THtmlHighlighter html;
    auto lines = ScanLines(html, {"<script>", "let t = `a", "b`; // done", "</script>"});
    EXPECT_EQ(lines[1], (Pieces{{K::Keyword, "let"}, {K::Identifier, "t"}, {K::Operator, "="}, {K::String, "`a"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, "b`"}, {K::Operator, ";"}, {K::Comment, "// done"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Tag, "</script>"}}));
    EXPECT_EQ(StateAfter(html, {"<script>", "/* open", "</script>"}), TLineState{});
}

TEST(CssHighlighter, SelectorsPropertiesValuesAndUnits)
{
    TCssHighlighter css;
    auto lines = ScanLines(css, {"a:hover, #main > .nav li::before {",
                                 "  margin: 0 auto -1.5em; color: #FFF !important; /* comment",
                                 "  still */ background: url(img/bg.png) rgb(0, 0, 0);", "  --gap: 4px; width: 50%; }"});
    EXPECT_EQ(lines[0], (Pieces{{K::Selector, "a:hover"}, {K::Operator, ","}, {K::Selector, "#main"},
                                {K::Operator, ">"}, {K::Selector, ".nav"}, {K::Selector, "li::before"},
                                {K::Operator, "{"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Property, "margin"}, {K::Operator, ":"}, {K::Number, "0"}, {K::Value, "auto"},
                                {K::Number, "-1.5em"}, {K::Operator, ";"}, {K::Property, "color"}, {K::Operator, ":"},
                                {K::Number, "#FFF"}, {K::Keyword, "!important"}, {K::Operator, ";"},
                                {K::Comment, "/* comment"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Comment, "  still */"}, {K::Property, "background"}, {K::Operator, ":"},
                                {K::Value, "url"}, {K::Operator, "("}, {K::String, "img/bg.png"}, {K::Operator, ")"},
                                {K::Value, "rgb"}, {K::Operator, "("}, {K::Number, "0"}, {K::Operator, ","},
                                {K::Number, "0"}, {K::Operator, ","}, {K::Number, "0"}, {K::Operator, ");"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Property, "--gap"}, {K::Operator, ":"}, {K::Number, "4px"}, {K::Operator, ";"},
                                {K::Property, "width"}, {K::Operator, ":"}, {K::Number, "50%"}, {K::Operator, ";"},
                                {K::Operator, "}"}}));
}

TEST(CssHighlighter, AtRulesAndNestedBlocks)
{
    TCssHighlighter css;
    auto lines = ScanLines(css, {"@import \"print.css\" print;", "@media screen and (max-width: 600px) {",
                                 "  .menu { display: none; &:hover { color: red } }", "}", "@font-face { font-family: \"X\" }"});
    EXPECT_EQ(lines[0], (Pieces{{K::AtRule, "@import"}, {K::String, "\"print.css\""}, {K::Value, "print"},
                                {K::Operator, ";"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::AtRule, "@media"}, {K::Value, "screen"}, {K::Keyword, "and"}, {K::Operator, "("},
                                {K::Property, "max-width"}, {K::Operator, ":"}, {K::Number, "600px"},
                                {K::Operator, ")"}, {K::Operator, "{"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Selector, ".menu"}, {K::Operator, "{"}, {K::Property, "display"},
                                {K::Operator, ":"}, {K::Value, "none"}, {K::Operator, ";"}, {K::Selector, "&:hover"},
                                {K::Operator, "{"}, {K::Property, "color"}, {K::Operator, ":"}, {K::Value, "red"},
                                {K::Operator, "}"}, {K::Operator, "}"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Operator, "}"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::AtRule, "@font-face"}, {K::Operator, "{"}, {K::Property, "font-family"},
                                {K::Operator, ":"}, {K::String, "\"X\""}, {K::Operator, "}"}}));
    EXPECT_EQ(StateAfter(css, {"@media print {", "p { x: 1 }", "}"}), TLineState{});
}

} // namespace
} // namespace lorivex::test
