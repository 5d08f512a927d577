// PHP: code islands inside HTML, variables, strings and documents.
#include "highlight/HighlightSupport.h"
#include "highlight/PhpHighlighter.h"

namespace lorivex::test {
namespace {

TEST(PhpHighlighter, CodeIslandsInsideHtml)
{
    TPhpHighlighter php;
    auto lines = ScanLines(php, {"<p class=\"<?= $cls ?>\">Hi <?php echo $user->name; // who ?> there</p>",
                                 "<?PHP if ($n > 1): ?><b>many</b><?php endif; ?>"});
    EXPECT_EQ(lines[0], (Pieces{{K::Tag, "<p"}, {K::AttributeName, "class"}, {K::Operator, "="},
                                {K::AttributeValue, "\""}, {K::Preprocessor, "<?="}, {K::Variable, "$cls"},
                                {K::Preprocessor, "?>"}, {K::AttributeValue, "\""}, {K::Tag, ">"}, {K::Text, "Hi "},
                                {K::Preprocessor, "<?php"}, {K::Keyword, "echo"}, {K::Variable, "$user"},
                                {K::Operator, "->"}, {K::Identifier, "name"}, {K::Operator, ";"},
                                {K::Comment, "// who "}, {K::Preprocessor, "?>"}, {K::Text, " there"},
                                {K::Tag, "</p>"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Preprocessor, "<?PHP"}, {K::Keyword, "if"}, {K::Operator, "("},
                                {K::Variable, "$n"}, {K::Operator, ">"}, {K::Number, "1"}, {K::Operator, "):"},
                                {K::Preprocessor, "?>"}, {K::Tag, "<b>"}, {K::Text, "many"}, {K::Tag, "</b>"},
                                {K::Preprocessor, "<?php"}, {K::Keyword, "endif"}, {K::Operator, ";"},
                                {K::Preprocessor, "?>"}}));
}

TEST(PhpHighlighter, StringsWithVariablesSpanLines)
{
    TPhpHighlighter php;
    auto lines = ScanLines(php, {"<?php", "$msg = \"Dear $name->first, {$order['id']}", "is \\$5\"; $raw = 'it''s", "x';",
                                 "# shell comment", "#[Attribute] /* block", "*/ function f() {}"});
    EXPECT_EQ(lines[1], (Pieces{{K::Variable, "$msg"}, {K::Operator, "="}, {K::String, "\"Dear "},
                                {K::Variable, "$name->first"}, {K::String, ", "}, {K::Variable, "{$order['id']}"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, "is \\$5\""}, {K::Operator, ";"}, {K::Variable, "$raw"},
                                {K::Operator, "="}, {K::String, "'it''s"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::String, "x'"}, {K::Operator, ";"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Comment, "# shell comment"}}));
    EXPECT_EQ(lines[5], (Pieces{{K::Annotation, "#[Attribute]"}, {K::Comment, "/* block"}}));
    EXPECT_EQ(lines[6], (Pieces{{K::Comment, "*/"}, {K::Keyword, "function"}, {K::Identifier, "f"},
                                {K::Operator, "()"}, {K::Operator, "{}"}}));
}

TEST(PhpHighlighter, HeredocAndNowdoc)
{
    TPhpHighlighter php;
    auto lines = ScanLines(php, {"<?php $a = <<<EOT", "Total: $sum ?> EOTX", "  EOT;", "$b = <<<'RAW'", "$not",
                                 "RAW . 'x';"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "<?php"}, {K::Variable, "$a"}, {K::Operator, "="},
                                {K::String, "<<<EOT"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::String, "Total: "}, {K::Variable, "$sum"}, {K::String, " ?> EOTX"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, "EOT"}, {K::Operator, ";"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::String, "$not"}}));
    EXPECT_EQ(lines[5], (Pieces{{K::String, "RAW"}, {K::Operator, "."}, {K::String, "'x'"}, {K::Operator, ";"}}));
}

} // namespace
} // namespace lorivex::test
