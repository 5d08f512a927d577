// The set of languages as the paste-code dialog and the command line see
// it, and what every highlighter owes its callers whatever the input.
#include <random>
#include <set>

#include "highlight/HighlightSupport.h"
#include "highlight/Highlighters.h"
#include "highlight/XmlHighlighter.h"
#include "platform/CodePages.h"

namespace lorivex::test {
namespace {

TEST(Highlighters, SeventeenLanguagesWithTheirNames)
{
    auto all = CreateHighlighters();
    std::vector<std::pair<std::string, std::string>> names;
    for (const auto& h : all)
        names.emplace_back(h->DisplayName(), h->ShortName());
    EXPECT_EQ(names, (std::vector<std::pair<std::string, std::string>>{
                         {"C/C++", "cpp"}, {"C#", "cs"}, {"Cascading Style Sheet", "css"}, {"CORBA IDL", "idl"},
                         {"HTML", "html"}, {"INI", "ini"}, {"Java", "java"}, {"JavaScript", "js"},
                         {"MS VBScript", "vbs"}, {"MS-DOS Batch", "bat"}, {"Object Pascal", "pas"}, {"Perl", "perl"},
                         {"PHP", "php"}, {"SQL", "sql"}, {"Visual Basic", "vb"}, {"x86 Assembly", "asm"},
                         {"XML", "xml"}}));
    std::vector<std::string> classes;
    for (const auto& h : all)
        classes.push_back(h->ClassName());
    EXPECT_EQ(classes, (std::vector<std::string>{
                           "TCppHighlighter", "TCSharpHighlighter", "TCssHighlighter", "TIdlHighlighter",
                           "THtmlHighlighter", "TIniHighlighter", "TJavaHighlighter", "TJScriptHighlighter",
                           "TVBScriptHighlighter", "TBatchHighlighter", "TPascalHighlighter", "TPerlHighlighter",
                           "TPhpHighlighter", "TSqlHighlighter", "TVisualBasicHighlighter", "TAsmHighlighter",
                           "TXmlHighlighter"}));
    auto* xml = dynamic_cast<TXmlHighlighter*>(FindHighlighter(all, "xml"));
    ASSERT_NE(xml, nullptr);
    EXPECT_FALSE(xml->ParseBraces);
}

TEST(Highlighters, FoundByEitherNameOrExtensionIgnoringCase)
{
    auto all = CreateHighlighters();
    EXPECT_EQ(FindHighlighter(all, "object pascal")->ShortName(), "pas");
    EXPECT_EQ(FindHighlighter(all, "PAS")->DisplayName(), "Object Pascal");
    EXPECT_EQ(FindHighlighter(all, "c#")->ShortName(), "cs");
    EXPECT_EQ(FindHighlighter(all, "Pascal"), nullptr);
    EXPECT_EQ(FindHighlighterForFile(all, "src/Main.CPP")->ShortName(), "cpp");
    EXPECT_EQ(FindHighlighterForFile(all, "C:\\work\\Setup.Bat")->ShortName(), "bat");
    EXPECT_EQ(FindHighlighterForFile(all, "unit1.pas")->ShortName(), "pas");
    EXPECT_EQ(FindHighlighterForFile(all, "x.hpp")->ShortName(), "cpp");
    EXPECT_EQ(FindHighlighterForFile(all, "Makefile"), nullptr);
    EXPECT_EQ(FindHighlighterForFile(all, "dir.d/README"), nullptr) << "a dot in a folder is no extension";
    EXPECT_EQ(FindHighlighterForFile(all, "notes.txt"), nullptr);
}

TEST(Highlighters, NoExtensionIsClaimedTwice)
{
    std::set<std::string> seen;
    for (const auto& h : CreateHighlighters())
        for (const auto& extension : h->Extensions()) {
            EXPECT_EQ(extension, platform::AnsiToUtf8(extension)) << "ASCII";
            EXPECT_TRUE(extension.size() > 1 && extension[0] == '.') << extension;
            EXPECT_TRUE(seen.insert(extension).second) << extension << " claimed twice";
        }
}

// Every highlighter on text of every other language and on random noise:
// well-formed tokens on each line, and only kinds it declares.
TEST(Highlighters, AnyInputGivesWellFormedTokensOfDeclaredKinds)
{
    std::vector<std::u16string> lines = {
        u"#include <x> /* a", u"*/ R\"x(raw", u")x\" @\"v\"\"\" $\"{a}\" `t${b}` /re/g", u"<?php $a = <<<EOT",
        u"EOT; ?><script>var x = '</script>'; <!-- c", u"--> <style>a { b: c } /*", u"=head1 POD", u"=cut",
        u"print <<\"E\"; s{a}{b}g; q(x(y)z)", u"E", u"{ (* *) } 'a''b' #13 $FF // x", u"SELECT 'a'' -- b",
        u"' REM &H10 #1/1/2000#", u"@echo %x% !y! %%i :label", u"mov eax, 0FFh ; c", u"[s] k=v ; c",
        u"\t\u00e9\u4e2d\U0001F600 \"unterminated", u"\\", u"", u"'", u"\"", u"`", u"/*", u"<!--", u"<![CDATA[",
        u"${{{", u"}}}})", u"qq{", u"<<~", u"<<<'N'", u"COMMENT !", u"$", u"@", u"%", u"#", u"&", u"<", u"&#",
    };
    // Noise of single characters, and of the pieces that open and close
    // the constructs that span lines.
    std::mt19937 random(20240611);
    const std::u16string alphabet = u"abcXYZ019 \t\"'`\\/*#$@%&{}()[]<>?=-+;:,.!~_\u00e9\u20ac";
    const std::vector<std::u16string> pieces = {
        u"<?php ", u"?>", u"<?=", u"<<", u"<<<", u"EOT", u"E", u"=cut", u"=pod", u"\"\"\"", u"${", u"{$", u"}",
        u"{", u"/*", u"*/", u"-->", u"<!--", u"]]>", u"<script>", u"</script>", u"<style>", u"</style>", u"R\"x(",
        u")x\"", u"@\"", u"$\"", u"$@\"", u"#", u"'", u"\"", u"`", u"\\", u"s{", u"qq(", u")", u"(*", u"*)",
        u"//", u"--", u" ", u"=", u"<a b=\"", u"/", u"%", u"!", u"__END__", u"COMMENT ~", u"~", u"@media {", u":",
    };
    for (int i = 0; i < 3000; ++i) {
        std::u16string line;
        const int length = int(random() % 60);
        for (int k = 0; k < length; ++k)
            line += i % 2 ? alphabet.substr(random() % alphabet.size(), 1) : pieces[random() % pieces.size()];
        lines.push_back(line);
    }
    for (const auto& h : CreateHighlighters()) {
        std::set<TTokenKind> declared(h->TokenKinds().begin(), h->TokenKinds().end());
        declared.insert(TTokenKind::Space);
        declared.insert(TTokenKind::Text);
        TLineState state;
        std::vector<TToken> tokens;
        for (const auto& line : lines) {
            h->ScanLine(line, state, tokens);
            ASSERT_TRUE(WellFormed(tokens, line.size())) << h->DisplayName() << ": " << platform::Utf16ToUtf8(line);
            for (const TToken& token : tokens)
                EXPECT_TRUE(declared.count(token.Kind))
                    << h->DisplayName() << " produced " << TokenKindName(token.Kind) << " in "
                    << platform::Utf16ToUtf8(line);
        }
    }
}

TEST(Highlighters, AttributesFollowEditorConventions)
{
    auto all = CreateHighlighters();
    const THighlighter& cpp = *FindHighlighter(all, "cpp");
    EXPECT_TRUE(cpp.Attributes(TTokenKind::Comment).Italic);
    EXPECT_TRUE(cpp.Attributes(TTokenKind::Keyword).Bold);
    EXPECT_NE(cpp.Attributes(TTokenKind::String).Color, cpp.Attributes(TTokenKind::Identifier).Color);
    EXPECT_NE(cpp.Attributes(TTokenKind::Number).Color, cpp.Attributes(TTokenKind::Identifier).Color);
    EXPECT_NE(cpp.Attributes(TTokenKind::Preprocessor).Color, cpp.Attributes(TTokenKind::Keyword).Color);
    for (int kind = 0; kind < TokenKindCount; ++kind)
        EXPECT_FALSE(ui::IsSystemColor(cpp.Attributes(TTokenKind(kind)).Color)) << "RGB values, for RTF";
}

} // namespace
} // namespace lorivex::test
