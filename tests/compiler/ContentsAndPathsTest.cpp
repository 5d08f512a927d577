#include <gtest/gtest.h>

#include "TestSupport.h"
#include "compiler/LvxDocumentHelper.h"
#include "platform/FileSystem.h"

namespace lorivex {
namespace {

TChapterList Topics(std::initializer_list<std::pair<const char*, const char*>> pathsAndIds)
{
    TChapterList list;
    for (auto [path, id] : pathsAndIds) {
        auto chapter = std::make_unique<TDocumentChapter>();
        chapter->Path = path;
        chapter->Id = id;
        chapter->FileName = platform::JoinPath("/work", std::string(id) + ".html");
        list.push_back(std::move(chapter));
    }
    return list;
}

std::string Item(const std::string& name, const std::string& file)
{
    return "<LI><OBJECT type=\"text/sitemap\">\r\n<param name=\"Name\" value=\"" + name
         + "\">\r\n<param name=\"Local\" value=\"" + file + "\">\r\n</OBJECT>\r\n";
}

const std::string Header =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
    "<meta name=\"GENERATOR\" content=\"Vantrell&reg; Lorivex 2008\">\r\n<!-- Sitemap 1.0 -->\r\n"
    "</HEAD><BODY>\r\n<OBJECT type=\"text/site properties\">\r\n  <param name=\"ImageType\" value=\"Folder\">\r\n"
    "</OBJECT><UL>\r\n";
const std::string Footer = "</UL>\r\n</BODY></HTML>\r\n";

class ContentsTest : public testing::Test {
protected:
    std::string Contents(const TChapterList& topics)
    {
        run.WorkFolder = scratch.Path();
        run.CreateHtmlTableOfContents(topics);
        return platform::ReadFileBytes(scratch / ContentsFileName);
    }
    test::TempFolder scratch;
    TLvxDocumentHelper run;
};

TEST_F(ContentsTest, NestedTopicsDepthFirst)
{
    auto topics = Topics({{"A", "F1"}, {"A\\B", "F2"}, {"A\\B\\C", "F3"}, {"A\\D", "F4"}, {"E", "F5"}});
    EXPECT_EQ(Contents(topics), Header + Item("A", "F1.html") + "<UL>\r\n" + Item("B", "F2.html") + "<UL>\r\n"
                                    + Item("C", "F3.html") + "</UL>\r\n" + Item("D", "F4.html") + "</UL>\r\n"
                                    + Item("E", "F5.html") + Footer);
}

TEST_F(ContentsTest, NoHeadingsGiveOnlyHeaderAndFooter)
{
    EXPECT_EQ(Contents(Topics({{"", "F0"}})), Header + Footer);
}

TEST_F(ContentsTest, SamePathTwiceIsOneNodePointingAtTheFirst)
{
    EXPECT_EQ(Contents(Topics({{"Intro", "F1"}, {"Intro", "F2"}})), Header + Item("Intro", "F1.html") + Footer);
}

TEST_F(ContentsTest, QuotesApostrophesAndAmpersands)
{
    auto topics = Topics({{"What's new", "F1"}, {"What's new\\Say \"hi\"", "F2"}, {"What's new\\Say \"hi\"\\Q&A", "F3"},
                          {"What's new\\Say \"hi\"", "F4"}});
    std::string contents = Contents(topics);
    EXPECT_EQ(contents, Header + Item("What's new", "F1.html") + "<UL>\r\n" + Item("Say &quot;hi&quot;", "F2.html")
                            + "<UL>\r\n" + Item("Q&amp;A", "F3.html") + "</UL>\r\n</UL>\r\n" + Footer);
    std::string xml = platform::ReadFileBytes(scratch / "TableOfContents.xml");
    EXPECT_NE(xml.find("Name=\"Q&amp;A\""), std::string::npos) << xml; // the attribute itself is unchanged
}

TEST_F(ContentsTest, AHeadingWithABackslashMakesANodeWithoutFile)
{
    std::string contents = Contents(Topics({{"A\\B", "F1"}}));
    EXPECT_EQ(contents, Header + Item("A", "") + "<UL>\r\n" + Item("B", "F1.html") + "</UL>\r\n" + Footer);
}

TEST(ChapterPos, PathsFollowTheLevels)
{
    TLvxDocumentHelper run;
    EXPECT_EQ(run.GetChapterPos(2, -1, "", "A"), "A");
    EXPECT_EQ(run.GetChapterPos(2, 1, "A", "B"), "A\\B");
    EXPECT_EQ(run.GetChapterPos(3, 2, "A\\B", "C"), "A\\B\\C");
    EXPECT_EQ(run.GetChapterPos(2, 3, "A\\B\\C", "D"), "A\\D");
    EXPECT_EQ(run.GetChapterPos(2, 2, "A", "B"), "B");
    EXPECT_EQ(run.GetChapterPos(3, 1, "A", "C"), "A\\C"); // a skipped level adds one component
    EXPECT_EQ(run.GetChapterPos(2, 3, "A\\C", "D"), "D"); // ... and moving up removes by level difference
    EXPECT_EQ(run.GetChapterPos(4, 2, "A\\B", ""), "A\\B");
}

} // namespace
} // namespace lorivex
