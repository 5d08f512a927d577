#include "compiler/CompilerFixture.h"

#include "platform/FileSystem.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {
namespace {

using ProjectAndIndex = CompilerTest;

std::string Xe(const std::string& entry)
{
    return Field(" XE \"" + entry + "\" ", "");
}

std::string Entry(const std::string& keyword, const std::string& title, const std::string& file)
{
    return "<LI> <OBJECT type=\"text/sitemap\">\r\n  <param name=\"Name\" value=\"" + keyword
         + "\">\r\n  <param name=\"Name\" value=\"" + title + "\">\r\n  <param name=\"Local\" value=\"" + file
         + "\">\r\n  </OBJECT>\r\n";
}

const std::string IndexHeader =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
    "<meta name=\"GENERATOR\" content=\"Microsoft&reg; HTML Help Workshop 4.1\">\r\n<!-- Sitemap 1.0 -->\r\n"
    "</HEAD><BODY>\r\n<UL>\r\n";
const std::string IndexFooter = "</UL>\r\n</BODY></HTML>\r\n";

TEST_F(ProjectAndIndex, KeywordsSortedWithoutCaseEachTopicOnce)
{
    auto document = Document(H(1, T("One")) + P(T("x") + Xe("gamma") + Xe("beta")) + H(1, T("Two"))
                             + P(Xe("Alpha") + Xe("Setup:Disk & <space>") + Xe("beta")));
    auto chapters = Map(document);
    Run.CreateHtmlIndex(chapters);
    std::string f1 = chapters[0]->Id + ".html", f2 = chapters[1]->Id + ".html";
    std::string index = platform::ReadFileBytes(Folder / IndexFileName);
    // Equal keywords keep no fixed order among themselves.
    std::string betaOne = Entry("beta", "One", f1), betaTwo = Entry("beta", "Two", f2);
    std::string expectedA = IndexHeader + Entry("Alpha", "Two", f2) + betaOne + betaTwo + Entry("gamma", "One", f1)
                          + Entry("Setup:Disk & <space>", "Two", f2) + IndexFooter;
    std::string expectedB = IndexHeader + Entry("Alpha", "Two", f2) + betaTwo + betaOne + Entry("gamma", "One", f1)
                          + Entry("Setup:Disk & <space>", "Two", f2) + IndexFooter;
    EXPECT_TRUE(index == expectedA || index == expectedB) << index;

    auto plain = Map(Document(H(1, T("One")) + P(T("no entries"))));
    Run.CreateHtmlIndex(plain);
    EXPECT_EQ(platform::ReadFileBytes(Folder / IndexFileName), IndexHeader + IndexFooter);
}

TEST_F(ProjectAndIndex, ProjectLinesFollowTheOptions)
{
    auto document = Document(H(1, T("One")) + P(T("x")) + H(1, T("Two")));
    auto chapters = Map(document);
    TStringList extras;
    std::string project = Run.CreateHtmlProject(document, chapters, "/out/Help.chm", "", false, false, false, extras);
    EXPECT_EQ(project, Folder / ProjectFileName);
    EXPECT_EQ(platform::ReadFileBytes(project),
              "[OPTIONS]\r\nCompatibility=1.1 or later\r\nCompiled file=/out/Help.chm\r\nDefault topic=\r\n"
              "Display compile progress=No\r\nLanguage=\r\n[FILES]\r\n"
                  + chapters[0]->Id + ".html\r\n" + chapters[1]->Id + ".html\r\n");

    SetDocProperty(document, "lxCustomStyleSheet", "/styles/gone.css");
    extras.Add("extra.gif");
    Run.CreateHtmlProject(document, chapters, "/out/Help.chm", "0x409 English (United States)", true, true, true,
                          extras);
    EXPECT_EQ(platform::ReadFileBytes(project),
              "[OPTIONS]\r\nCompatibility=1.1 or later\r\nCompiled file=/out/Help.chm\r\nFull-text search=Yes\r\n"
              "Contents file=TableOfContents.hhc\r\nIndex file=index.hhk\r\nDefault topic=\r\n"
              "Display compile progress=No\r\nLanguage=0x409 English (United States)\r\n[FILES]\r\n"
                  + chapters[0]->Id + ".html\r\n" + chapters[1]->Id + ".html\r\nextra.gif\r\n");
}

TEST_F(ProjectAndIndex, InternalLinksPointAtTheTopicHoldingTheBookmark)
{
    auto document = Document(
        H(1, T("One")) + P("<w:hyperlink w:anchor=\"_Ref5\"><w:r><w:t>to five</w:t></w:r></w:hyperlink>"
                           "<w:hyperlink w:anchor=\"_TOP\"><w:r><w:t>top</w:t></w:r></w:hyperlink>"
                           "<w:hyperlink w:anchor=\"nowhere\"><w:r><w:t>lost</w:t></w:r></w:hyperlink>")
        + H(1, "<w:bookmarkStart w:id=\"3\" w:name=\"_Ref5\"/>" + T("Five") + "<w:bookmarkEnd w:id=\"3\"/>")
        + P(T("text")));
    auto chapters = Map(document);
    auto content = document->Content();
    Run.UpdateHyperLinks(content, chapters, document);
    auto links = content->Hyperlinks();
    ASSERT_EQ(links->Count(), 3);
    EXPECT_EQ(word::FromWord(links->Item(1)->Address()), chapters[1]->Id + ".html");
    EXPECT_EQ(word::FromWord(links->Item(1)->SubAddress()), "_Ref5");
    EXPECT_EQ(word::FromWord(links->Item(2)->Address()), chapters[0]->Id + ".html");
    EXPECT_EQ(word::FromWord(links->Item(3)->Address()), "");
}

} // namespace
} // namespace lorivex::test
