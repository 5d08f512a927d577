// The manual's text format: what each construct becomes, and that every
// mistake stops the build with the file and line to look at.
#include <gtest/gtest.h>

#include "ManualSource.h"

namespace lorivex::manual {
namespace {

Manual Parse(const std::string& text)
{
    Manual manual;
    ParseSource(manual, "m.txt", text);
    return manual;
}

// The message of the error the text raises, or "" when it parses.
std::string ErrorOf(const std::string& text, bool check = false)
{
    try {
        Manual manual = Parse(text);
        if (check)
            CheckManual(manual);
    } catch (const ManualError& e) {
        return e.what();
    }
    return {};
}

std::vector<std::string> Texts(const std::vector<Span>& spans)
{
    std::vector<std::string> texts;
    for (const auto& span : spans)
        texts.push_back(span.Text);
    return texts;
}

TEST(ManualHeadings, LevelsMakeTopicPathsFromTheTopDown)
{
    Manual manual = Parse("# A\n## B\n### C\n#### D\n## E\n# F\n## G\n");
    std::vector<std::string> paths;
    for (const auto& topic : manual.Topics)
        paths.push_back(topic.Path);
    EXPECT_EQ(paths, (std::vector<std::string>{"A", "A\\B", "A\\B\\C", "A\\B\\C\\D", "A\\E", "F", "F\\G"}));
    EXPECT_EQ(manual.Blocks[manual.Topics[3].HeadingBlock].Level, 4);
    EXPECT_EQ(manual.Blocks[manual.Topics[3].HeadingBlock].Title, "D");
}

TEST(ManualHeadings, WhatCannotBeAHeadingIsRefusedWithItsLine)
{
    EXPECT_NE(ErrorOf("# A\n\n##### Five\n").find("m.txt:3: headings go four levels deep at most"),
              std::string::npos);
    EXPECT_NE(ErrorOf("# A\n### Skipped\n").find("m.txt:2: a level-3 heading cannot follow a level-1"),
              std::string::npos);
    EXPECT_NE(ErrorOf("## First\n").find("cannot follow the start of the manual"), std::string::npos);
    EXPECT_NE(ErrorOf("# Disk\\Space\n").find("cannot hold '\\'"), std::string::npos);
    EXPECT_NE(ErrorOf("#include <x>\n").find("m.txt:1: a heading is one to four '#'"), std::string::npos);
    EXPECT_NE(ErrorOf("# \n").find("no title"), std::string::npos);
}

TEST(ManualBlocks, LinesRunOnIntoParagraphsAndListItemsGroupIntoLists)
{
    Manual manual = Parse("# T\none\ntwo\n\n- first\n  more\n- second\n\n- third\n\n"
                          "1. a\n2. b\ncontinued\n\nbetween\n\n1. c\n");
    ASSERT_EQ(manual.Blocks.size(), 9u);
    EXPECT_EQ(manual.Blocks[1].Kind, BlockKind::Paragraph);
    EXPECT_EQ(Texts(manual.Blocks[1].Spans), std::vector<std::string>{"one two"});
    EXPECT_EQ(manual.Blocks[2].Kind, BlockKind::Bullet);
    EXPECT_EQ(Texts(manual.Blocks[2].Spans), std::vector<std::string>{"first more"});
    // Blank lines between items do not end a list; other text does.
    EXPECT_EQ(manual.Blocks[2].ListNumber, manual.Blocks[4].ListNumber);
    EXPECT_EQ(manual.Blocks[5].Kind, BlockKind::Numbered);
    EXPECT_NE(manual.Blocks[5].ListNumber, manual.Blocks[2].ListNumber);
    EXPECT_EQ(Texts(manual.Blocks[6].Spans), std::vector<std::string>{"b continued"});
    EXPECT_EQ(manual.Blocks[7].Kind, BlockKind::Paragraph);
    EXPECT_EQ(manual.Blocks[8].Kind, BlockKind::Numbered);
    EXPECT_NE(manual.Blocks[8].ListNumber, manual.Blocks[5].ListNumber);
}

TEST(ManualBlocks, CodeIsKeptVerbatimWithTabsAsSpaces)
{
    Manual manual = Parse("# T\n```\n# not a heading\n**x** {index: y}\n\tindented\n\n```\nafter\n");
    ASSERT_EQ(manual.Blocks.size(), 3u);
    EXPECT_EQ(manual.Blocks[1].Kind, BlockKind::Code);
    EXPECT_EQ(manual.Blocks[1].CodeLines,
              (std::vector<std::string>{"# not a heading", "**x** {index: y}", "    indented", ""}));
    EXPECT_TRUE(manual.Topics[0].IndexEntries.empty());
    EXPECT_NE(ErrorOf("# T\n\n```\ncode\n").find("m.txt:3: the code block that starts here is not closed"),
              std::string::npos);
}

TEST(ManualBlocks, TextBeforeTheFirstHeadingIsRefused)
{
    EXPECT_NE(ErrorOf("{property: a = b}\n\nIntro.\n# T\n").find("m.txt:3: text before the first heading"),
              std::string::npos);
}

TEST(ManualInline, BoldItalicCodeAndEscapes)
{
    Manual manual = Parse("# T\nplain **bold *both* bold** `a*b{c}` \\*star\\* a\\\\b\n");
    const auto& spans = manual.Blocks[1].Spans;
    ASSERT_EQ(spans.size(), 7u);
    EXPECT_EQ(Texts(spans), (std::vector<std::string>{"plain ", "bold ", "both", " bold", " ", "a*b{c}",
                                                      " *star* a\\b"}));
    EXPECT_TRUE(spans[1].Bold && !spans[1].Italic);
    EXPECT_TRUE(spans[2].Bold && spans[2].Italic);
    EXPECT_TRUE(spans[5].Code && !spans[5].Bold);
    EXPECT_FALSE(spans[6].Bold || spans[6].Italic || spans[6].Code);
}

TEST(ManualInline, UnclosedMarkupNamesTheLineItStartsOn)
{
    EXPECT_NE(ErrorOf("# T\none\ntwo **bold\nthree\n").find("m.txt:3: ** starts bold"), std::string::npos);
    EXPECT_NE(ErrorOf("# T\na\n*.doc files\n").find("m.txt:3: * starts italic"), std::string::npos);
    EXPECT_NE(ErrorOf("# T\na `code\n").find("m.txt:2: a ` starts code"), std::string::npos);
    EXPECT_NE(ErrorOf("# T\nx\ny }\n").find("m.txt:3: a } that no { opened"), std::string::npos);
    EXPECT_NE(ErrorOf("# T\nx {popup: a\n").find("m.txt:2: a { starts a directive"), std::string::npos);
}

TEST(ManualDirectives, TopicDirectivesBelongToTheTopicAbove)
{
    Manual manual = Parse("# A\n{index: Alpha; Beta }\n# B\n{related: A}\n{index: Gamma}\n");
    ASSERT_EQ(manual.Topics[0].IndexEntries.size(), 2u);
    EXPECT_EQ(manual.Topics[0].IndexEntries[1].Text, "Beta");
    EXPECT_EQ(manual.Topics[0].IndexEntries[1].Where.Text(), "m.txt:2");
    ASSERT_EQ(manual.Topics[1].Related.size(), 1u);
    EXPECT_EQ(manual.Topics[1].Related[0].Text, "A");
    EXPECT_EQ(manual.Topics[1].IndexEntries[0].Text, "Gamma");
    // A directive line ends the paragraph before it and adds no block.
    EXPECT_EQ(manual.Blocks.size(), 2u);
}

TEST(ManualDirectives, DocumentDirectives)
{
    Manual manual = Parse("{stylesheet: help.css}\n{property: lxSeeAlsoTitle = \"Related: \"}\n"
                          "{property: lxDateFormat = yyyy-mm-dd}\n# A\n");
    ASSERT_TRUE(manual.StyleSheet);
    EXPECT_EQ(manual.StyleSheet->Text, "help.css");
    ASSERT_EQ(manual.Properties.size(), 2u);
    EXPECT_EQ(manual.Properties[0].Name, "lxSeeAlsoTitle");
    EXPECT_EQ(manual.Properties[0].Value, "Related: ");
    EXPECT_EQ(manual.Properties[1].Value, "yyyy-mm-dd");
}

TEST(ManualDirectives, InlinePopupsAndVariables)
{
    Manual manual = Parse("# A\nSee the **{popup: work folder | Where \\| files go.}** and {variable: lxTopicTitle}.\n");
    const auto& spans = manual.Blocks[1].Spans;
    ASSERT_EQ(spans.size(), 5u);
    EXPECT_EQ(spans[1].Kind, SpanKind::Popup);
    EXPECT_EQ(spans[1].Text, "work folder");
    EXPECT_EQ(spans[1].PopupText, "Where | files go.");
    EXPECT_TRUE(spans[1].Bold);
    EXPECT_EQ(spans[3].Kind, SpanKind::Variable);
    EXPECT_EQ(spans[3].Variable, "lxTopicTitle");
    EXPECT_TRUE(spans[3].Text.empty()); // until placeholders are assigned
}

TEST(ManualDirectives, MisusedDirectivesAreRefused)
{
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"{index: x}\n# A\n", "m.txt:1: {index: ...} belongs to a topic"},
        {"# A\n{index: x; ;y}\n", "an empty index entry"},
        {"# A\n{index: x; X}\n", "\"X\" is listed twice"},
        {"# A\n{related: B}\n{related: C}\n", "m.txt:3: the topic already has its related topics (m.txt:2)"},
        {"{stylesheet: a.css}\n{stylesheet: b.css}\n# A\n", "already given at m.txt:1"},
        {"{property: lxCustomStyleSheet = a.css}\n# A\n", "do not set lxCustomStyleSheet by hand"},
        {"{property: two words = x}\n# A\n", "{property: Name = Value}"},
        {"{property: p = 1}\n{property: P = 2}\n# A\n", "already set at m.txt:1"},
        {"# A\ntext {index: x} more\n", "{index: ...} stands on a line of its own"},
        {"# A\n{index: a} {index: b}\n", "one directive to a line"},
        {"# A\n{note: x}\n", "unknown directive \"{note: x}\""},
        {"# A\nx {popup: no bar}\n", "{popup: link text | popup text}"},
        {"# A\nx {popup: a | }\n", "{popup: link text | popup text}"},
        {"# A\nx {variable: lxTitle}\n", "unknown topic variable \"lxTitle\""},
    };
    for (const auto& c : cases)
        EXPECT_NE(ErrorOf(c.text).find(c.message), std::string::npos) << c.text << " gave: " << ErrorOf(c.text);
}

TEST(ManualCheck, RelatedTopicsNameExistingOtherTopicsAndHaveAPlaceToShow)
{
    const std::string tail = "{variable: lxSeeAlsoLinks}\n# B\n## C\n";
    EXPECT_EQ(ErrorOf("# A\n{related: B\\C; B}\n" + tail, true), "");
    EXPECT_NE(ErrorOf("# A\n{related: B\\D}\n" + tail, true).find("m.txt:2: no topic has the path \"B\\D\""),
              std::string::npos);
    EXPECT_NE(ErrorOf("# A\n{related: b\\c}\n" + tail, true).find("as the headings spell it: \"B\\C\""),
              std::string::npos);
    EXPECT_NE(ErrorOf("# A\n{related: A}\n" + tail, true).find("cannot be related to itself"), std::string::npos);
    EXPECT_NE(ErrorOf("# A\n{related: B; B}\n" + tail, true).find("\"B\" is listed twice"), std::string::npos);
    EXPECT_NE(ErrorOf("# A\n{related: B}\n# B\n", true).find("m.txt:2: the topic lists related topics but has no"),
              std::string::npos);
    EXPECT_NE(ErrorOf("# A\ntext\n{variable: lxSeeAlsoPopup}\n# B\n", true)
                  .find("m.txt:3: {variable: lxSeeAlsoPopup} in a topic without {related: ...}"),
              std::string::npos);
}

TEST(ManualCheck, TopicsWithTheSamePathAreRefused)
{
    EXPECT_NE(ErrorOf("# A\n## B\n# C\n# a\n", true).find("m.txt:4: the topic \"a\" has the same path as the one "
                                                          "at m.txt:1"),
              std::string::npos);
    EXPECT_EQ(ErrorOf("# A\n## B\n# C\n## B\n", true), "");
}

TEST(ManualFiles, FilesFollowEachOtherInNameOrder)
{
    // Topics continue across files: a file may start with a subtopic.
    Manual manual;
    ParseSource(manual, "01.txt", "# A\n1. one\n");
    ParseSource(manual, "02.txt", "## B\n{index: x}\n1. two\n");
    CheckManual(manual);
    EXPECT_EQ(manual.Topics[1].Path, "A\\B");
    EXPECT_EQ(manual.Topics[1].IndexEntries[0].Where.Text(), "02.txt:2");
    // Each file's lists are lists of their own, numbered from 1.
    EXPECT_NE(manual.Blocks[1].ListNumber, manual.Blocks[3].ListNumber);
}

} // namespace
} // namespace lorivex::manual
