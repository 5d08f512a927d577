// FormattedText: how a topic travels from the author's document into its
// scratch document with everything it carries.
#include "engine/EngineFixture.h"

namespace lorivex::test {
namespace {

using FormattedText = EngineTest;

TEST_F(FormattedText, CopyBetweenDocumentsKeepsFieldsBookmarksAndHyperlinks)
{
    auto author = NewDocument(u"Topic\rSee here and there.\rNext\r");
    auto addin = author->Fields()->Add(author->Range(6, 6), word::wdFieldAddin, u"lxSeeAlsoData", true);
    addin->SetData(u"Other\r\n");
    auto paragraph = author->Paragraphs()->Item(2)->Range();
    author->Bookmarks()->Add(u"_Ref1", author->Range(paragraph->Start(), paragraph->Start() + 3));
    author->Bookmarks()->Add(u"Outside", author->Range(paragraph->End(), paragraph->End() + 4));
    auto here = paragraph->Duplicate();
    long at = paragraph->Start() + long(Raw(paragraph).find(u"here"));
    here->SetRange(at, at + 4);
    ASSERT_EQ(here->Text(), u"here");
    author->Content()->Hyperlinks()->Add(here, u"", u"_Ref1", std::nullopt, std::nullopt, u"_self");

    auto topic = App->Documents()->Add(u"", false);
    auto source = author->Range(0, paragraph->End());
    auto content = topic->Content();
    content->SetFormattedText(source->FormattedText());

    EXPECT_EQ(content->Text(), source->Text());
    EXPECT_EQ(topic->Paragraphs()->Count(), 2);
    ASSERT_EQ(topic->Fields()->Count(), 1);
    EXPECT_EQ(topic->Fields()->Item(1)->Data(), u"Other\r\n");
    auto bookmarks = topic->Bookmarks();
    bookmarks->SetShowHidden(true);
    ASSERT_EQ(bookmarks->Count(), 1);
    EXPECT_EQ(bookmarks->Item(1)->Name(), u"_Ref1");
    auto links = topic->Content()->Hyperlinks();
    ASSERT_EQ(links->Count(), 1);
    EXPECT_EQ(links->Item(1)->SubAddress(), u"_Ref1");
    EXPECT_EQ(links->Item(1)->Target(), u"_self");
    EXPECT_EQ(links->Item(1)->TextToDisplay(), u"here");
    // The copy leaves the source untouched.
    EXPECT_EQ(author->Fields()->Count(), 1);
    EXPECT_EQ(author->Content()->Hyperlinks()->Count(), 1);
}

TEST_F(FormattedText, AssigningAtAPointInsertsAndTheRangeSpansTheCopy)
{
    auto header = NewDocument(u"Header text");
    auto topic = NewDocument(u"Body");
    auto start = topic->Range(0, 0);
    auto body = topic->Range(0, 4);
    start->SetFormattedText(header->Range(0, 11)->FormattedText());
    EXPECT_EQ(start->Text(), u"Header text");
    EXPECT_EQ(body->Text(), u"Body");
    EXPECT_EQ(Narrow(topic->Content()->Text()), "Header textBody\r");
}

TEST_F(FormattedText, StylesComeAlongWhenTheDestinationLacksThem)
{
    auto author = Open(DocxBuilder()
                           .Styles("<w:style w:type=\"paragraph\" w:styleId=\"Note\"><w:name w:val=\"Note\"/>"
                                   "<w:basedOn w:val=\"Heading2\"/></w:style>")
                           .Body("<w:p><w:pPr><w:pStyle w:val=\"Note\"/></w:pPr><w:r><w:t>Noted</w:t></w:r></w:p>"));
    auto topic = App->Documents()->Add(u"", false);
    topic->Content()->SetFormattedText(author->Content()->FormattedText());
    EXPECT_EQ(topic->Paragraphs()->Item(1)->OutlineLevel(), 2);
}

} // namespace
} // namespace lorivex::test
