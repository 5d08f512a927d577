// The Basic dialects: Visual Basic and VBScript.
#include "highlight/HighlightSupport.h"
#include "highlight/VBScriptHighlighter.h"
#include "highlight/VisualBasicHighlighter.h"

namespace lorivex::test {
namespace {

TEST(VisualBasicHighlighter, CommentsStringsAndLiterals)
{
    TVisualBasicHighlighter vb;
    EXPECT_EQ(ScanLine(vb, "Dim s As String = \"say \"\"hi\"\"\" ' greet"),
              (Pieces{{K::Keyword, "Dim"}, {K::Identifier, "s"}, {K::Keyword, "As"}, {K::Keyword, "String"},
                      {K::Operator, "="}, {K::String, "\"say \"\"hi\"\"\""}, {K::Comment, "' greet"}}));
    EXPECT_EQ(ScanLine(vb, "x = &HFF& + &O17 + 1.5E+3! + 10D : REM rest is a comment"),
              (Pieces{{K::Identifier, "x"}, {K::Operator, "="}, {K::Number, "&HFF&"}, {K::Operator, "+"},
                      {K::Number, "&O17"}, {K::Operator, "+"}, {K::Number, "1.5E+3!"}, {K::Operator, "+"},
                      {K::Number, "10D"}, {K::Operator, ":"}, {K::Comment, "REM rest is a comment"}}));
    EXPECT_EQ(ScanLine(vb, "d = #1/15/2024 10:30 AM# : Print #1, c & \"x\"c"),
              (Pieces{{K::Identifier, "d"}, {K::Operator, "="}, {K::Number, "#1/15/2024 10:30 AM#"},
                      {K::Operator, ":"}, {K::Identifier, "Print"}, {K::Operator, "#"}, {K::Number, "1"},
                      {K::Operator, ","}, {K::Identifier, "c"}, {K::Operator, "&"}, {K::String, "\"x\"c"}}));
}

TEST(VisualBasicHighlighter, DirectivesEscapedNamesAndContinuations)
{
    TVisualBasicHighlighter vb;
    auto lines = ScanLines(vb, {"#If DEBUG Then ' trace", "Dim [Next] As Integer, Remark _", "  = 1", "#End If"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "#If DEBUG Then "}, {K::Comment, "' trace"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Keyword, "Dim"}, {K::Identifier, "[Next]"}, {K::Keyword, "As"},
                                {K::Keyword, "Integer"}, {K::Operator, ","}, {K::Identifier, "Remark"},
                                {K::Operator, "_"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Preprocessor, "#End If"}}));
}

TEST(VBScriptHighlighter, KeywordsIgnoreCaseAndThereAreNoDirectives)
{
    TVBScriptHighlighter vbs;
    EXPECT_EQ(ScanLine(vbs, "set fso = CreateObject(\"Scripting.FileSystemObject\") : rem done"),
              (Pieces{{K::Keyword, "set"}, {K::Identifier, "fso"}, {K::Operator, "="},
                      {K::Identifier, "CreateObject"}, {K::Operator, "("},
                      {K::String, "\"Scripting.FileSystemObject\""}, {K::Operator, ")"}, {K::Operator, ":"},
                      {K::Comment, "rem done"}}));
    EXPECT_EQ(ScanLine(vbs, "#If x")[0], (Piece{K::Operator, "#"}));
    // Words of Visual Basic that VBScript does not have are names there.
    EXPECT_EQ(ScanLine(vbs, "Dim x As Integer")[2], (Piece{K::Identifier, "As"}));
}

} // namespace
} // namespace lorivex::test
