// The C-family languages: C and C++, C#, Java, JavaScript and CORBA IDL,
// which share one scanner and differ in what each adds to it.
#include "highlight/CSharpHighlighter.h"
#include "highlight/CppHighlighter.h"
#include "highlight/HighlightSupport.h"
#include "highlight/IdlHighlighter.h"
#include "highlight/JScriptHighlighter.h"
#include "highlight/JavaHighlighter.h"

namespace lorivex::test {
namespace {

TEST(CppHighlighter, KeywordsNumbersStringsAndComments)
{
    TCppHighlighter cpp;
    EXPECT_EQ(ScanLine(cpp, "unsigned long n = 0x1Fu + 1'000'000 + 1.5e-3f; // sum"),
              (Pieces{{K::Keyword, "unsigned"}, {K::Keyword, "long"}, {K::Identifier, "n"}, {K::Operator, "="},
                      {K::Number, "0x1Fu"}, {K::Operator, "+"}, {K::Number, "1'000'000"}, {K::Operator, "+"},
                      {K::Number, "1.5e-3f"}, {K::Operator, ";"}, {K::Comment, "// sum"}}));
    EXPECT_EQ(ScanLine(cpp, R"(auto s = u8"a\"b" L'x' '\'';)"),
              (Pieces{{K::Keyword, "auto"}, {K::Identifier, "s"}, {K::Operator, "="}, {K::String, R"(u8"a\"b")"},
                      {K::String, "L'x'"}, {K::String, R"('\'')"}, {K::Operator, ";"}}));
}

TEST(CppHighlighter, RawStringSpansLines)
{
    TCppHighlighter cpp;
    auto lines = ScanLines(cpp, {R"--(auto re = R"x(a "quoted" )" text)--", R"--(still )" inside)--",
                                 R"--(end)x"; int i;)--"});
    EXPECT_EQ(lines[0].back(), (Piece{K::String, R"--(R"x(a "quoted" )" text)--"}));
    EXPECT_EQ(lines[1], (Pieces{{K::String, R"--(still )" inside)--"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, R"--(end)x")--"}, {K::Operator, ";"}, {K::Keyword, "int"},
                                {K::Identifier, "i"}, {K::Operator, ";"}}));
    EXPECT_EQ(StateAfter(cpp, {"R\"(open"}), StateAfter(cpp, {"R\"(other"})) << "states compare by content";
    EXPECT_FALSE(StateAfter(cpp, {"R\"(open"}) == StateAfter(cpp, {"R\"x(open"})) << "the delimiter is state";
}

TEST(CppHighlighter, DirectivesContinueOverBackslashedLines)
{
    TCppHighlighter cpp;
    auto lines = ScanLines(cpp, {"  #include <vector> // lists", "#define MAX(a, b) \\", "    ((a) > (b) ? \"a\" : (b))",
                                 "int x; /* open", "still */ int y;"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "#include"}, {K::String, "<vector>"}, {K::Comment, "// lists"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Preprocessor, "#define MAX(a, b) \\"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Preprocessor, "((a) > (b) ?"}, {K::String, "\"a\""}, {K::Preprocessor, ": (b))"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Keyword, "int"}, {K::Identifier, "x"}, {K::Operator, ";"}, {K::Comment, "/* open"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Comment, "still */"}, {K::Keyword, "int"}, {K::Identifier, "y"}, {K::Operator, ";"}}));
    // A # that does not start the line is an operator (token pasting).
    EXPECT_EQ(ScanLine(cpp, "x = a # b;")[3], (Piece{K::Operator, "#"}));
}

TEST(CSharpHighlighter, VerbatimAndInterpolatedStrings)
{
    TCSharpHighlighter cs;
    auto lines = ScanLines(cs, {R"(var path = @"C:\dir\""quoted"")", R"(second line";)",
                                R"(var s = $"Hello {name.ToUpper()}, {{not}} {n:N2}!";)"});
    EXPECT_EQ(lines[0].back(), (Piece{K::String, R"(@"C:\dir\""quoted"")"}));
    EXPECT_EQ(lines[1], (Pieces{{K::String, R"(second line")"}, {K::Operator, ";"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Keyword, "var"}, {K::Identifier, "s"}, {K::Operator, "="},
                                {K::String, R"($"Hello )"}, {K::Operator, "{"}, {K::Identifier, "name"},
                                {K::Operator, "."}, {K::Identifier, "ToUpper"}, {K::Operator, "()}"},
                                {K::String, ", {{not}} "}, {K::Operator, "{"}, {K::Identifier, "n"},
                                {K::Operator, ":"}, {K::Identifier, "N2"}, {K::Operator, "}"},
                                {K::String, R"(!")"}, {K::Operator, ";"}}));
}

TEST(CSharpHighlighter, RawStringsDirectivesAndVerbatimNames)
{
    TCSharpHighlighter cs;
    auto lines = ScanLines(cs, {"#region Helpers", "var json = \"\"\"", "  {\"a\": \"\"}", "  \"\"\";",
                                "var @class = $@\"{x}\\n\";"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "#region Helpers"}}));
    EXPECT_EQ(lines[1].back(), (Piece{K::String, "\"\"\""}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, "  {\"a\": \"\"}"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::String, "  \"\"\""}, {K::Operator, ";"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Keyword, "var"}, {K::Identifier, "@class"}, {K::Operator, "="},
                                {K::String, "$@\""}, {K::Operator, "{"}, {K::Identifier, "x"}, {K::Operator, "}"},
                                {K::String, "\\n\""}, {K::Operator, ";"}}));
}

TEST(JavaHighlighter, TextBlocksAndAnnotations)
{
    TJavaHighlighter java;
    auto lines = ScanLines(java, {"@Override @SuppressWarnings(\"x\")", "String html = \"\"\"",
                                  "    <p>\"quoted\" \\\"\"\"</p>", "    \"\"\"; char c = 'a';",
                                  "public @interface Marker {}"});
    EXPECT_EQ(lines[0], (Pieces{{K::Annotation, "@Override"}, {K::Annotation, "@SuppressWarnings"},
                                {K::Operator, "("}, {K::String, "\"x\""}, {K::Operator, ")"}}));
    EXPECT_EQ(lines[1].back(), (Piece{K::String, "\"\"\""}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, "    <p>\"quoted\" \\\"\"\"</p>"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::String, "    \"\"\""}, {K::Operator, ";"}, {K::Keyword, "char"},
                                {K::Identifier, "c"}, {K::Operator, "="}, {K::String, "'a'"}, {K::Operator, ";"}}));
    EXPECT_EQ(lines[4][1], (Piece{K::Keyword, "@interface"}));
}

TEST(JScriptHighlighter, RegularExpressionsVersusDivision)
{
    TJScriptHighlighter js;
    EXPECT_EQ(ScanLine(js, "var r = /a[/]b\\/c/gi; x = a / b / c;"),
              (Pieces{{K::Keyword, "var"}, {K::Identifier, "r"}, {K::Operator, "="}, {K::Regex, "/a[/]b\\/c/gi"},
                      {K::Operator, ";"}, {K::Identifier, "x"}, {K::Operator, "="}, {K::Identifier, "a"},
                      {K::Operator, "/"}, {K::Identifier, "b"}, {K::Operator, "/"}, {K::Identifier, "c"},
                      {K::Operator, ";"}}));
    EXPECT_EQ(ScanLine(js, "return /x/.test(s) ? (n) / 2 : 0")[1], (Piece{K::Regex, "/x/"}));
    EXPECT_EQ(ScanLine(js, "if (s.match(/^\\d+$/)) f(a[1] / 2, 'it\\'s')"),
              (Pieces{{K::Keyword, "if"}, {K::Operator, "("}, {K::Identifier, "s"}, {K::Operator, "."},
                      {K::Identifier, "match"}, {K::Operator, "("}, {K::Regex, "/^\\d+$/"}, {K::Operator, "))"},
                      {K::Identifier, "f"}, {K::Operator, "("}, {K::Identifier, "a"}, {K::Operator, "["},
                      {K::Number, "1"}, {K::Operator, "]"}, {K::Operator, "/"}, {K::Number, "2"},
                      {K::Operator, ","}, {K::String, "'it\\'s'"}, {K::Operator, ")"}}));
    // Whether a slash may start a pattern carries over to the next line.
    auto lines = ScanLines(js, {"x = total", "/ count / 2;", "y =", "/ab+c/.exec(s);"});
    EXPECT_EQ(lines[1][0], (Piece{K::Operator, "/"}));
    EXPECT_EQ(lines[3][0], (Piece{K::Regex, "/ab+c/"}));
}

TEST(JScriptHighlighter, TemplateLiteralsSpanLinesAndNest)
{
    TJScriptHighlighter js;
    auto lines = ScanLines(js, {"const s = `Hi ${user.name}, you have", "${count > 1 ? `${count} items` : 'one'}",
                                "left` + `${ {a: 1}.a }`;"});
    EXPECT_EQ(lines[0], (Pieces{{K::Keyword, "const"}, {K::Identifier, "s"}, {K::Operator, "="},
                                {K::String, "`Hi "}, {K::Operator, "${"}, {K::Identifier, "user"},
                                {K::Operator, "."}, {K::Identifier, "name"}, {K::Operator, "}"},
                                {K::String, ", you have"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Operator, "${"}, {K::Identifier, "count"}, {K::Operator, ">"},
                                {K::Number, "1"}, {K::Operator, "?"}, {K::String, "`"}, {K::Operator, "${"},
                                {K::Identifier, "count"}, {K::Operator, "}"}, {K::String, " items`"},
                                {K::Operator, ":"}, {K::String, "'one'"}, {K::Operator, "}"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::String, "left`"}, {K::Operator, "+"}, {K::String, "`"}, {K::Operator, "${"},
                                {K::Operator, "{"}, {K::Identifier, "a"}, {K::Operator, ":"}, {K::Number, "1"},
                                {K::Operator, "}."}, {K::Identifier, "a"}, {K::Operator, "}"}, {K::String, "`"},
                                {K::Operator, ";"}}));
    EXPECT_EQ(StateAfter(js, {"`a", "b`;"}), StateAfter(js, {"x;"})) << "a closed template leaves no trace";
}

TEST(IdlHighlighter, InterfacesAndPreprocessorLines)
{
    TIdlHighlighter idl;
    auto lines = ScanLines(idl, {"#include \"orb.idl\"", "module Bank { interface Account {",
                                 "  readonly attribute float balance; // cents", "  void deposit(in unsigned long amount)"
                                 " raises (TooMuch); }; };"});
    EXPECT_EQ(lines[0], (Pieces{{K::Preprocessor, "#include"}, {K::String, "\"orb.idl\""}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Keyword, "module"}, {K::Identifier, "Bank"}, {K::Operator, "{"},
                                {K::Keyword, "interface"}, {K::Identifier, "Account"}, {K::Operator, "{"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Keyword, "readonly"}, {K::Keyword, "attribute"}, {K::Keyword, "float"},
                                {K::Identifier, "balance"}, {K::Operator, ";"}, {K::Comment, "// cents"}}));
    EXPECT_EQ(lines[3][3], (Piece{K::Keyword, "in"}));
    EXPECT_EQ(lines[3][8], (Piece{K::Keyword, "raises"}));
}

} // namespace
} // namespace lorivex::test
