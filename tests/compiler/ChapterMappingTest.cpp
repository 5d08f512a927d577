#include "compiler/CompilerFixture.h"

#include "compiler/ChapterIndex.h"

#include "platform/FileSystem.h"

namespace lorivex::test {
namespace {

using Mapping = CompilerTest;
using V = std::vector<std::string>;

TEST_F(Mapping, LevelsGivePathsAndTopicsFollowDocumentOrder)
{
    auto chapters = Map(Document(H(1, T("A")) + P(T("a")) + H(2, T("B")) + P(T("b")) + H(3, T("C")) + P(T("c"))
                                 + H(2, T("D")) + P(T("d")) + H(1, T("E")) + P(T("e"))));
    EXPECT_EQ(Paths(chapters), (V{"A", "A\\B", "A\\B\\C", "A\\D", "E"}));
    EXPECT_EQ(Text(chapters[1]->Range), "B\rb\r");
    for (const auto& chapter : chapters) {
        EXPECT_EQ(chapter->Id.size(), 32u);
        EXPECT_EQ(chapter->FileName, platform::JoinPath(Folder.Path(), chapter->Id + ".html"));
    }
    EXPECT_NE(chapters[0]->Id, chapters[1]->Id);
}

TEST_F(Mapping, TextBeforeTheFirstHeadingIsATopicWithoutPath)
{
    auto chapters = Map(Document(P(T("intro")) + P(T("more")) + H(1, T("First")) + P(T("x"))));
    EXPECT_EQ(Paths(chapters), (V{"", "First"}));
    EXPECT_EQ(Text(chapters[0]->Range), "intro\rmore\r");

    auto none = Map(Document(P(T("just text")) + P(T("and more"))));
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(Text(none[0]->Range), "just text\rand more\r");

    auto empty = Map(Document(P("")));
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0]->Path, "");
}

TEST_F(Mapping, HeadingsWithoutBodyAndEmptyHeadings)
{
    // A heading directly followed by another ends where the next begins.
    auto chapters = Map(Document(H(1, T("A")) + H(1, T("B")) + P(T("b"))));
    EXPECT_EQ(Paths(chapters), (V{"A", "B"}));
    EXPECT_EQ(Text(chapters[0]->Range), "A\r");
    // An empty heading after body text is swallowed; body after it extends.
    auto swallowed = Map(Document(H(1, T("A")) + P(T("one")) + H(2, "") + P(T("two")) + H(1, T("C"))));
    EXPECT_EQ(Paths(swallowed), (V{"A", "C"}));
    EXPECT_EQ(Text(swallowed[0]->Range), "A\rone\r\rtwo\r");
    // The last paragraph being a heading ends its own topic.
    auto last = Map(Document(H(1, T("A")) + P(T("a")) + H(2, T("Z"))));
    EXPECT_EQ(Paths(last), (V{"A", "A\\Z"}));
    EXPECT_EQ(Text(last[1]->Range), "Z\r");
    // Level-2 headings without a level 1 before them.
    EXPECT_EQ(Paths(Map(Document(H(2, T("A")) + P(T("a")) + H(2, T("B")) + P(T("b"))))), (V{"A", "B"}));
}

TEST_F(Mapping, HeaderSpanAndItsRemoval)
{
    auto chapters = Map(Document(H(1, T("Setup")) + P(T("body")) + H(1, T("Fi") + Field(" PAGE ", "1") + T("eld"))
                                 + P(T("x"))));
    EXPECT_TRUE(chapters[0]->CanRemoveHeader());
    EXPECT_EQ(Text(chapters[0]->RemoveHeader()), "body\r");
    EXPECT_EQ(Text(chapters[0]->Range), "Setup\rbody\r"); // the topic keeps its own range
    EXPECT_FALSE(chapters[1]->CanRemoveHeader());
}

TEST_F(Mapping, LookupsByPathAndBookmark)
{
    auto chapters = Map(Document(H(1, T("Installation")) + P(T("i")) + H(2, T("Requirements"))
                                 + P("<w:bookmarkStart w:id=\"1\" w:name=\"_Ref42\"/>" + T("disk")
                                     + "<w:bookmarkEnd w:id=\"1\"/>")));
    EXPECT_EQ(FindChapter(chapters, "installation\\requirements"), chapters[1].get());
    EXPECT_EQ(FindChapter(chapters, "nothing"), nullptr);
    EXPECT_EQ(Run.GetChapterByBookmark(chapters, "_REF42"), chapters[1].get());
    EXPECT_EQ(Run.GetChapterByBookmark(chapters, "missing"), nullptr);
    // The hidden bookmark stays hidden for everyone else.
    EXPECT_FALSE(chapters[1]->Range->Bookmarks()->ShowHidden());
}

TEST_F(Mapping, TheIndexFindsWhatFindChapterFinds)
{
    // Two topics whose paths differ only in case: both lookups give the
    // first, whatever the case asked for.
    auto chapters = Map(Document(H(1, T("Setup")) + P(T("a")) + H(2, T("Disk Space")) + P(T("b"))
                                 + H(1, T("SETUP")) + P(T("c")) + H(2, T("disk space")) + P(T("d"))));
    ASSERT_EQ(Paths(chapters), (V{"Setup", "Setup\\Disk Space", "SETUP", "SETUP\\disk space"}));
    const TChapterIndex index(chapters);
    EXPECT_TRUE(index.Indexes(chapters));
    EXPECT_FALSE(index.Indexes(TChapterList{}));
    for (const std::string path : {"setup", "Setup\\DISK SPACE", "setup\\disk space", "Disk Space", "", "Setup\\"}) {
        EXPECT_EQ(index.Find(path), FindChapter(chapters, path)) << path;
    }
    EXPECT_EQ(index.Find("sEtUp"), chapters[0].get());
    EXPECT_EQ(index.Find("SETUP\\Disk space"), chapters[1].get());
    EXPECT_EQ(index.Find("Disk Space"), nullptr);
}

TEST_F(Mapping, CurrentChapterFromTheSelection)
{
    auto document = Document(P(T("before")) + H(1, T("A")) + P(T("a1")) + P(T("a2")) + H(1, T("B")));
    auto selection = document->ActiveWindow()->Selection();
    selection->SetStart(2);
    selection->SetEnd(2);
    EXPECT_EQ(Text(GetCurrentChapter(document)), "before\r");
    selection->SetStart(12);
    selection->SetEnd(12);
    EXPECT_EQ(Text(GetCurrentChapter(document)), "A\ra1\ra2\r");
    selection->SetStart(7); // the very start of heading A
    selection->SetEnd(7);
    EXPECT_EQ(Text(GetCurrentChapter(document)), "A\ra1\ra2\r");
}

} // namespace
} // namespace lorivex::test
