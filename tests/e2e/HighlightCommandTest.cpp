// "lorivex highlight", as a user runs it.
#include <gtest/gtest.h>

#include "e2e/EndToEnd.h"
#include "engine/Utf.h"
#include "engine/rtf/RtfReader.h"

namespace lorivex::test {
namespace {

const std::string Pascal = "program Hello; { greet }\r\nbegin\r\n  WriteLn('Hi'#33);\r\nend.\r\n";

TEST(HighlightCommand, HelpListsEveryLanguageByBothNames)
{
    TempFolder temp;
    auto help = RunLorivex({"highlight", "--help"}, temp.Path());
    ASSERT_EQ(help.exitCode, 0);
    for (const char* row : {"C/C++                  cpp", "C#                     cs", "Cascading Style Sheet  css",
                            "CORBA IDL              idl", "HTML                   html", "INI                    ini",
                            "Java                   java", "JavaScript             js", "MS VBScript            vbs",
                            "MS-DOS Batch           bat", "Object Pascal          pas", "Perl                   perl",
                            "PHP                    php", "SQL                    sql", "Visual Basic           vb",
                            "x86 Assembly           asm", "XML                    xml"})
        EXPECT_NE(help.output.find(row), std::string::npos) << row;
}

TEST(HighlightCommand, WritesPlainTextRtfAndHtml)
{
    TempFolder temp;
    WriteTextFile(temp / "hello.pas", Pascal);
    auto plain = RunLorivex({"highlight", temp / "hello.pas"}, temp.Path());
    ASSERT_EQ(plain.exitCode, 0) << plain.output;
    EXPECT_EQ(plain.output, "program Hello; { greet }\nbegin\n  WriteLn('Hi'#33);\nend.\n") << "no escapes into a pipe";

    auto rtf = RunLorivex({"highlight", temp / "hello.pas", "--rtf"}, temp.Path());
    ASSERT_EQ(rtf.exitCode, 0) << rtf.output;
    engine::DocumentModel model;
    auto fragment = engine::rtf::ReadRtf(rtf.output, model);
    EXPECT_EQ(engine::Utf16ToUtf8(fragment.Text), "program Hello; { greet }\rbegin\r  WriteLn('Hi'#33);\rend.\r");
    EXPECT_EQ(model.CharFormats[fragment.Attrs.at(0).Format].Bold, true) << "program is a keyword";
    EXPECT_NE(rtf.output.find("{\\title hello.pas}"), std::string::npos);

    auto html = RunLorivex({"highlight", "--language", "SQL", temp / "hello.pas", "--html"}, temp.Path());
    ASSERT_EQ(html.exitCode, 0) << html.output;
    EXPECT_NE(html.output.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.output.find("<span class=\"Keyword\">begin</span>"), std::string::npos) << html.output;
    EXPECT_NE(html.output.find("<span class=\"String\">'Hi'</span>"), std::string::npos) << html.output;
}

TEST(HighlightCommand, TellsHowToChooseALanguageAndRefusesBinaryFiles)
{
    TempFolder temp;
    WriteTextFile(temp / "notes.txt", "text");
    auto unknown = RunLorivex({"highlight", temp / "notes.txt"}, temp.Path());
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.output.find("notes.txt"), std::string::npos) << unknown.output;
    EXPECT_NE(unknown.output.find("--language NAME"), std::string::npos) << unknown.output;
    EXPECT_NE(unknown.output.find("cpp, cs, css"), std::string::npos) << unknown.output;

    auto named = RunLorivex({"highlight", "-l", "Fortran", temp / "notes.txt"}, temp.Path());
    EXPECT_EQ(named.exitCode, 1);
    EXPECT_NE(named.output.find("no language \"Fortran\""), std::string::npos) << named.output;

    WriteTextFile(temp / "image.c", std::string("GIF89a\0\1", 8));
    auto binary = RunLorivex({"highlight", temp / "image.c"}, temp.Path());
    EXPECT_EQ(binary.exitCode, 1);
    EXPECT_NE(binary.output.find("image.c\": it holds binary data"), std::string::npos) << binary.output;

    auto usage = RunLorivex({"highlight", temp / "notes.txt", "--colour"}, temp.Path());
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.output.find("unknown option '--colour'"), std::string::npos);
}

} // namespace
} // namespace lorivex::test
