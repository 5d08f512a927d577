// The commands that add the manual's help constructs, and the checks that
// every text a command looks for is first found where it is meant to act.
#include <gtest/gtest.h>

#include <sstream>

#include "ManualCommands.h"

namespace lorivex::manual {
namespace {

Manual Parse(const std::string& text)
{
    Manual manual;
    ParseSource(manual, "m.txt", text);
    CheckManual(manual);
    AssignPlaceholders(manual);
    return manual;
}

std::vector<CommandLine> Plan(const std::string& text)
{
    return PlanCommands(Parse(text), "D.docx", "/s/help.css");
}

std::string ErrorOf(const std::string& text)
{
    try {
        Plan(text);
    } catch (const ManualError& e) {
        return e.what();
    }
    return {};
}

TEST(ManualCommands, EveryConstructBecomesItsCommandInAWorkingOrder)
{
    auto commands = Plan("{stylesheet: help.css}\n"
                         "# Start\nThe {popup: work folder | Where runs write.} holds pages.\n"
                         "{related: Start\\Later}\n{index: pages}\n\n{variable: lxSeeAlsoLinks}\n"
                         "## Later\nTitle: {variable: lxTopicTitle}. Keyword here.\n{index: Keyword}\n");
    std::vector<CommandLine> expected = {
        {"keyword", "D.docx", "--at", "pages"},
        {"keyword", "D.docx", "--at", "Keyword"},
        {"popup", "D.docx", "--at", "work folder", "--text", "Where runs write."},
        {"variable", "D.docx", "--at", "LXVAR001", "--name", "lxSeeAlsoLinks"},
        {"variable", "D.docx", "--at", "LXVAR002", "--name", "lxTopicTitle"},
        {"related", "D.docx", "--topic", "Start", "--select", "Start\\Later"},
        {"stylesheet", "D.docx", "/s/help.css"},
    };
    EXPECT_EQ(commands, expected);
}

TEST(ManualCommands, KeywordsRunInTheOrderTheirTextsStand)
{
    auto commands = Plan("# A\nfirst second\n{index: second; first}\n");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0][3], "first");
    EXPECT_EQ(commands[1][3], "second");
}

TEST(ManualCommands, WrittenOneALineWithTabsBetweenArguments)
{
    std::ostringstream out;
    WriteCommands({{"keyword", "My Doc.docx", "--at", "two words"}, {"stylesheet", "D.docx", "a b.css"}}, out);
    EXPECT_EQ(out.str(), "keyword\tMy Doc.docx\t--at\ttwo words\nstylesheet\tD.docx\ta b.css\n");
}

TEST(ManualPlaceholders, AreWordsThatOccurNowhereElse)
{
    Manual manual = Parse("# A\nThe word LXVAR001 is taken, lxvar002 too (in any case), "
                          "and {popup: here | LXVAR003 as well}.\n\n{variable: lxCompiledFile} {variable: lxCompileTime}\n");
    std::vector<std::string> words;
    for (const auto& span : manual.Blocks[2].Spans)
        if (span.Kind == SpanKind::Variable)
            words.push_back(span.Text);
    EXPECT_EQ(words, (std::vector<std::string>{"LXVAR004", "LXVAR005"}));
    EXPECT_NE(DocumentText(manual).find("\rLXVAR004 LXVAR005\r"), std::string::npos);
}

TEST(ManualIndexChecks, AnEntryMustBeFirstFoundInTheBodyOfItsTopic)
{
    std::string error = ErrorOf("# A\nAbout options.\n# B\nThe options dialog.\n{index: options}\n");
    EXPECT_NE(error.find("m.txt:5: the index entry \"options\" of \"B\" is first found at m.txt:2, in \"A\""),
              std::string::npos)
        << error;
    error = ErrorOf("# Options\nThe options dialog.\n{index: Options}\n");
    EXPECT_NE(error.find("is first found at m.txt:1, in the heading of \"Options\""), std::string::npos) << error;
    EXPECT_NE(ErrorOf("# A\nNothing.\n{index: absent}\n").find("does not occur in the manual's text"),
              std::string::npos);
}

TEST(ManualIndexChecks, TheFirstPlaceMustBeTheWholeWordAsSpelled)
{
    // Whether the command matches letter case or not, it must land here.
    EXPECT_NE(ErrorOf("# A\nThe Recent menu.\n{index: recent menu}\n").find("first found spelled \"Recent menu\""),
              std::string::npos);
    EXPECT_NE(ErrorOf("# A\nrecently, the recent menu.\n{index: recent}\n").find("inside a longer word at m.txt:2"),
              std::string::npos);
    EXPECT_NE(ErrorOf("# A\nThe unrecent.\n{index: recent}\n").find("inside a longer word"), std::string::npos);
    EXPECT_EQ(ErrorOf("# A\nThe (recent) list.\n{index: recent}\n"), "");
}

TEST(ManualIndexChecks, CodeAndListTextCountsAsText)
{
    EXPECT_NE(ErrorOf("# A\n```\nchmcmd x\n```\n# B\nchmcmd\n{index: chmcmd}\n").find("first found at m.txt:3"),
              std::string::npos);
    EXPECT_EQ(ErrorOf("# A\n- uses chmcmd\n{index: chmcmd}\n"), "");
}

TEST(ManualPopupChecks, TheLinkTextMustNotStandEarlier)
{
    std::string error = ErrorOf("# A\nThe work folder.\n# B\nA {popup: work folder | Text.}.\n");
    EXPECT_NE(error.find("m.txt:4: the popup link text \"work folder\" is first found at m.txt:2, in \"A\""),
              std::string::npos)
        << error;
    EXPECT_NE(ErrorOf("# A\nA {popup: work | One.} and {popup: work | Two.}.\n").find("first found at m.txt:2"),
              std::string::npos);
}

TEST(ManualPopupChecks, APopupTextMustNotHoldALaterLinkText)
{
    std::string error = ErrorOf("# A\n{popup: first | Unlike the second.} then {popup: second | Two.}\n");
    EXPECT_NE(error.find("the popup text \"Unlike the second.\" contains \"second\", the link text of a later popup"),
              std::string::npos)
        << error;
    // An earlier link text in a later popup is harmless: it is found first.
    EXPECT_EQ(ErrorOf("# A\n{popup: first | One.} then {popup: second | Not the first.}\n"), "");
}

TEST(ManualPopupChecks, ALaterLinkTextMustNotBeInTheScriptOfAnEarlierPopup)
{
    EXPECT_NE(ErrorOf("# A\n{popup: one | 1.} and {popup: object | 2.}\n").find("script that an earlier popup"),
              std::string::npos);
    EXPECT_EQ(ErrorOf("# A\n{popup: object | 1.} first\n"), "");
}

TEST(ManualTargetChecks, TextsThatCommandsPlaceMustNotOverlap)
{
    std::string error = ErrorOf("# A\nThe {popup: work folder | Text.} holds it.\n{index: folder holds}\n");
    EXPECT_NE(error.find("overlap at m.txt:2"), std::string::npos) << error;
}

TEST(ManualTargetChecks, ArgumentsMustReachTheCommandWhole)
{
    EXPECT_NE(ErrorOf("# A\nUse --toc here.\n{index: --toc}\n").find("starts with '-'"), std::string::npos);
    EXPECT_NE(ErrorOf("# A\nx {popup: -v | Verbose.}\n").find("starts with '-'"), std::string::npos);
}

} // namespace
} // namespace lorivex::manual
