#include "compiler/CompilerFixture.h"

#include "FakeWordApplication.h"

#include "platform/FileSystem.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {
namespace {

using TopicFields = CompilerTest;

// The author's document: three topics; the first holds a related-topic field
// listing two of them and one that no longer exists, and both placeholders.
std::string Body(const std::string& related, const std::string& placeholders)
{
    return H(1, T("Intro")) + P(SeeAlsoData(related)) + P(placeholders) + H(1, T("What's new")) + P(T("w"))
         + H(1, T("Usage")) + P(T("u"));
}

struct Links {
    std::vector<std::pair<std::string, std::string>> items; // text, address
};

Links LinksOf(const word::RangePtr& range)
{
    Links links;
    auto hyperlinks = range->Hyperlinks();
    for (long i = 1; i <= hyperlinks->Count(); ++i) {
        auto link = hyperlinks->Item(i);
        links.items.push_back({word::FromWord(link->Range()->Text()), word::FromWord(link->Address())});
    }
    return links;
}

TEST_F(TopicFields, LinkLineSkipsPathsThatNameNoTopic)
{
    auto document = Document(Body("What's new\r\nGone\r\nUsage\r\n", Field(" DOCPROPERTY lxSeeAlsoLinks ", "x")));
    auto chapters = Map(document);
    auto content = document->Content();
    Run.UpdateFields(content, content, "See Also: ", chapters);
    auto field = content->Fields()->Item(2);
    EXPECT_EQ(Text(field->Result()), "See Also: What's new, Usage ");
    auto links = LinksOf(field->Result());
    ASSERT_EQ(links.items.size(), 2u);
    EXPECT_EQ(links.items[0].first, "What's new");
    EXPECT_EQ(links.items[0].second, platform::ExtractFileName(chapters[1]->FileName));
    EXPECT_EQ(links.items[1].second, platform::ExtractFileName(chapters[2]->FileName));
}

TEST_F(TopicFields, EmptyDataEmptiesTheLinkLineButThePopupKeepsItsText)
{
    auto document = Document(Body("", Field(" DOCPROPERTY lxSeeAlsoLinks ", "links")
                                          + Field(" DOCPROPERTY lxSeeAlsoPopup ", "See also")));
    auto chapters = Map(document);
    auto content = document->Content();
    Run.UpdateFields(content, content, "See Also: ", chapters);
    EXPECT_EQ(Text(content->Fields()->Item(2)->Result()), "");
    EXPECT_EQ(Text(content->Fields()->Item(3)->Result()), "See also");
    EXPECT_EQ(content->Hyperlinks()->Count(), 0);
    std::string script = platform::ReadFileBytes(Folder / RelatedTopicsScriptName);
    EXPECT_EQ(script.find("Item1"), std::string::npos);
    EXPECT_NE(script.find("Related Topics, menu"), std::string::npos);
}

TEST_F(TopicFields, PopupWritesTheScriptAndLinksTheFieldText)
{
    auto document = Document(Body("What's new\r\nUsage\r\nWhat's new\r\n", Field(" DOCPROPERTY lxSeeAlsoPopup ", "See also")));
    auto chapters = Map(document);
    auto content = document->Content();
    Run.UpdateFields(content, content, "See Also: ", chapters);
    std::string file1 = platform::ExtractFileName(chapters[1]->FileName);
    std::string file2 = platform::ExtractFileName(chapters[2]->FileName);
    const std::string wrapOpen = "document.write('";
    std::string expected =
        "<script language=\"JavaScript\"> var hhctrl = document.getElementById('seealsohhctrl'); if (hhctrl==null) {\r\n"
        + wrapOpen
        + "<div style=\"display:none;position:absolute; left:-50px; top:-50px; widh:1px; height:1px;\"><object "
          "id=\"seealsohhctrl\" classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\" "
          "codebase=\"Hhctrl.ocx#Version=5,02,3790,1194\"> '); \r\n"
        + wrapOpen + "<PARAM name=\"Command\" value=\"Related Topics, menu\">'); \r\n" + wrapOpen
        + "<PARAM name=\"Item1\" value=\"What\\'s new;" + file1 + ";\">'); \r\n" + wrapOpen
        + "<PARAM name=\"Item2\" value=\"Usage;" + file2 + ";\">'); \r\n" + wrapOpen
        + "<PARAM name=\"Item3\" value=\"What\\'s new;" + file1 + ";\">'); \r\n" + wrapOpen
        + "</object></div>'); \r\n} </script>\r\n";
    EXPECT_EQ(platform::ReadFileBytes(Folder / RelatedTopicsScriptName), expected);
    auto links = LinksOf(content);
    ASSERT_EQ(links.items.size(), 1u);
    EXPECT_EQ(links.items[0].first, "See also");
    EXPECT_EQ(links.items[0].second, "JavaScript:seealsohhctrl.Click()");
    // The script block and the paragraph mark it came with are hidden at
    // the end of the text, before the final mark: nothing of them shows.
    long end = content->End();
    auto inserted = document->Range(end - 3, end - 1);
    EXPECT_EQ(inserted->Font()->Hidden(), -1);
    EXPECT_EQ(document->Range(end - 1, end)->Font()->Hidden(), 0);
    EXPECT_EQ(content->Text().substr(content->Text().size() - 2), u" \r");
}

TEST_F(TopicFields, OnlyPlaceholderNamesAreSpecialAndVariablesUpdate)
{
    auto document = Document(H(1, T("Intro")) + P(SeeAlsoData("Intro\r\n"))
                             + P(Field(" DOCPROPERTY LXSEEALSOLINKS ", "kept as updated"))
                             + P(Field(" DOCPROPERTY lxTopicTitle ", "old")));
    SetDocProperty(document, "lxTopicTitle", "Intro page");
    auto chapters = Map(document);
    auto content = document->Content();
    Run.UpdateFields(content, content, "See Also: ", chapters);
    EXPECT_EQ(Text(content->Fields()->Item(2)->Result()), "Error! Unknown document property name.");
    EXPECT_EQ(Text(content->Fields()->Item(3)->Result()), "Intro page");
    EXPECT_EQ(content->Hyperlinks()->Count(), 0);
}

TEST_F(TopicFields, WordVersions)
{
    auto version = [&](const std::u16string& text) {
        return Run.IsWord2000(std::make_shared<FakeWordApplication>(text));
    };
    EXPECT_TRUE(version(u"9.0"));
    EXPECT_TRUE(version(u"10.0"));
    EXPECT_FALSE(version(u"11.0"));
    EXPECT_FALSE(version(u"12.0.4518"));
    try {
        version(u"8.0");
        FAIL();
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(), "This version of Lorivex requires Microsoft Word 2000 or later.");
        EXPECT_EQ(e.CallStack(), "TLvxDocumentHelper.IsWord2000\r\n");
    }
    try {
        version(u"X1.0");
        FAIL();
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(), "Could not parse version information from Microsoft Word (Version: \"X1\")");
    }
}

} // namespace
} // namespace lorivex::test
