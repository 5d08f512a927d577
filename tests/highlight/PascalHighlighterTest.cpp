// Object Pascal.
#include "highlight/HighlightSupport.h"
#include "highlight/PascalHighlighter.h"

namespace lorivex::test {
namespace {

TEST(PascalHighlighter, ThreeCommentFormsAndDirectives)
{
    TPascalHighlighter pas;
    auto lines = ScanLines(pas, {"{$IFDEF DEBUG} (*$R+*) { brace", "comment } x := 1; (* paren",
                                 "comment *) // line { not a brace"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "{$IFDEF DEBUG}"}, {K::Preprocessor, "(*$R+*)"},
                                {K::Comment, "{ brace"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Comment, "comment }"}, {K::Identifier, "x"}, {K::Operator, ":="},
                                {K::Number, "1"}, {K::Operator, ";"}, {K::Comment, "(* paren"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Comment, "comment *)"}, {K::Comment, "// line { not a brace"}}));
    EXPECT_EQ(StateAfter(pas, {"// { x"}), TLineState{}) << "a brace in a line comment opens nothing";
}

TEST(PascalHighlighter, StringsNumbersAndCaseInsensitiveKeywords)
{
    TPascalHighlighter pas;
    EXPECT_EQ(ScanLine(pas, "S := 'It''s'#13#10'ok'#$41; N := $FF + %1010 + &17 + 1.5E3; for I := 1 to 10 DO"),
              (Pieces{{K::Identifier, "S"}, {K::Operator, ":="}, {K::String, "'It''s'#13#10'ok'#$41"},
                      {K::Operator, ";"}, {K::Identifier, "N"}, {K::Operator, ":="}, {K::Number, "$FF"},
                      {K::Operator, "+"}, {K::Number, "%1010"}, {K::Operator, "+"}, {K::Number, "&17"},
                      {K::Operator, "+"}, {K::Number, "1.5E3"}, {K::Operator, ";"}, {K::Keyword, "for"},
                      {K::Identifier, "I"}, {K::Operator, ":="}, {K::Number, "1"}, {K::Keyword, "to"},
                      {K::Number, "10"}, {K::Keyword, "DO"}}));
    EXPECT_EQ(ScanLine(pas, "type TRange = 1..10; procedure &Type; BEGIN End."),
              (Pieces{{K::Keyword, "type"}, {K::Identifier, "TRange"}, {K::Operator, "="}, {K::Number, "1"},
                      {K::Operator, ".."}, {K::Number, "10"}, {K::Operator, ";"}, {K::Keyword, "procedure"},
                      {K::Identifier, "&Type"}, {K::Operator, ";"}, {K::Keyword, "BEGIN"}, {K::Keyword, "End"},
                      {K::Operator, "."}}));
}

} // namespace
} // namespace lorivex::test
