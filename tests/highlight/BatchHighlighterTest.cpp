// MS-DOS batch files.
#include "highlight/BatchHighlighter.h"
#include "highlight/HighlightSupport.h"

namespace lorivex::test {
namespace {

TEST(BatchHighlighter, CommentsLabelsAndEcho)
{
    TBatchHighlighter bat;
    auto lines = ScanLines(bat, {"@echo off", "rem Build it & more", ":: another comment", ":build",
                                 "echo Building %TARGET% for !CONFIG! > log.txt", "echo. & goto :eof",
                                 "call :sub %1 && goto end"});
    EXPECT_EQ(lines[0], (Pieces{{K::Operator, "@"}, {K::Keyword, "echo"}, {K::Keyword, "off"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Comment, "rem Build it & more"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Comment, ":: another comment"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Label, ":build"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Keyword, "echo"}, {K::Text, " Building "}, {K::Variable, "%TARGET%"},
                                {K::Text, " for "}, {K::Variable, "!CONFIG!"}, {K::Text, " "}, {K::Operator, ">"},
                                {K::Text, "log.txt"}}));
    EXPECT_EQ(lines[5], (Pieces{{K::Keyword, "echo"}, {K::Text, ". "}, {K::Operator, "&"}, {K::Keyword, "goto"},
                                {K::Label, ":eof"}}));
    EXPECT_EQ(lines[6], (Pieces{{K::Keyword, "call"}, {K::Label, ":sub"}, {K::Variable, "%1"}, {K::Operator, "&&"},
                                {K::Keyword, "goto"}, {K::Label, "end"}}));
}

TEST(BatchHighlighter, VariablesLoopsAndConditions)
{
    TBatchHighlighter bat;
    EXPECT_EQ(ScanLine(bat, "for %%f in (*.txt) do copy \"%%~nxf\" %~dp0out 2>&1"),
              (Pieces{{K::Keyword, "for"}, {K::Variable, "%%f"}, {K::Keyword, "in"}, {K::Operator, "("},
                      {K::Text, "*.txt"}, {K::Operator, ")"}, {K::Keyword, "do"}, {K::Keyword, "copy"},
                      {K::String, "\""}, {K::Variable, "%%~nxf"}, {K::String, "\""}, {K::Variable, "%~dp0"},
                      {K::Text, "out"}, {K::Operator, "2>&1"}}));
    EXPECT_EQ(ScanLine(bat, "set /a COUNT=%COUNT:~0,2%+1"),
              (Pieces{{K::Keyword, "set"}, {K::Text, "/a"}, {K::Variable, "COUNT"}, {K::Operator, "="},
                      {K::Variable, "%COUNT:~0,2%"}, {K::Text, "+1"}}));
    EXPECT_EQ(ScanLine(bat, "if /i not \"%1\"==\"\" (myapp.exe -v) else exit /b 1"),
              (Pieces{{K::Keyword, "if"}, {K::Text, "/i"}, {K::Keyword, "not"}, {K::String, "\""},
                      {K::Variable, "%1"}, {K::String, "\""}, {K::Operator, "=="}, {K::String, "\"\""},
                      {K::Operator, "("}, {K::Identifier, "myapp.exe"}, {K::Text, "-v"}, {K::Operator, ")"},
                      {K::Keyword, "else"}, {K::Keyword, "exit"}, {K::Text, "/b"}, {K::Number, "1"}}));
}

} // namespace
} // namespace lorivex::test
