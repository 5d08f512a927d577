// The application's documents, windows, bookmarks and styles as the
// commands and the compiler use them.
#include "Failure.h"
#include "engine/EngineFixture.h"

namespace lorivex::test {
namespace {

using Application = EngineTest;

TEST_F(Application, NoDocumentMeansWordsErrorAndNewDocumentsAreNumbered)
{
    EXPECT_THAT([&] { App->ActiveDocument(); },
                ThrowsMessage<word::EWordError>("This command is not available because no document is open."));
    auto first = App->Documents()->Add();
    auto hidden = App->Documents()->Add(u"", false);
    EXPECT_EQ(first->FullName(), u"Document1");
    EXPECT_EQ(hidden->FullName(), u"Document2");
    EXPECT_EQ(App->ActiveDocument(), first);
    EXPECT_EQ(App->Documents()->Count(), 2);
    hidden->Close(word::wdDoNotSaveChanges);
    EXPECT_EQ(App->Documents()->Count(), 1);
    EXPECT_EQ(App->Version(), u"12.0");
}

TEST_F(Application, HiddenBookmarksShowOnlyWithShowHiddenAndAddingMovesByName)
{
    auto document = NewDocument(u"one two three");
    auto bookmarks = document->Bookmarks();
    bookmarks->Add(u"_lxPopupBookmark1", document->Range(0, 3));
    bookmarks->Add(u"Visible", document->Range(4, 7));
    EXPECT_EQ(bookmarks->Count(), 1);
    bookmarks->SetShowHidden(true);
    EXPECT_EQ(bookmarks->Count(), 2);
    bookmarks->Add(u"_LXPOPUPBOOKMARK1", document->Range(8, 13));
    ASSERT_EQ(bookmarks->Count(), 2);
    EXPECT_EQ(bookmarks->Item(u"_lxPopupBookmark1")->Range()->Text(), u"three");
    EXPECT_EQ(document->Range(0, 7)->Bookmarks()->Count(), 1);
    EXPECT_THROW(bookmarks->Add(u"has space", document->Range(0, 1)), word::EWordError);
}

TEST_F(Application, OrganizerCopyBringsUsedStylesByNameIntoAnotherOpenDocument)
{
    auto author = Open(DocxBuilder()
                           .Styles("<w:style w:type=\"paragraph\" w:styleId=\"Tip\"><w:name w:val=\"Tip\"/>"
                                   "</w:style><w:style w:type=\"paragraph\" w:styleId=\"Unused\">"
                                   "<w:name w:val=\"Unused\"/></w:style>")
                           .Body("<w:p><w:pPr><w:pStyle w:val=\"Tip\"/></w:pPr><w:r><w:t>t</w:t></w:r></w:p>"));
    auto topic = App->Documents()->Add(u"", false);
    auto styles = author->Styles();
    std::vector<std::u16string> copied;
    for (long i = 1; i <= styles->Count(); ++i) {
        auto style = styles->Item(i);
        if (!style->InUse())
            continue;
        App->OrganizerCopy(author->FullName(), topic->FullName(), style->NameLocal(), word::wdOrganizerObjectStyles);
        copied.push_back(style->NameLocal());
    }
    EXPECT_EQ(copied, (std::vector<std::u16string>{u"Normal", u"Tip"}));
    bool found = false;
    for (long i = 1; i <= topic->Styles()->Count(); ++i)
        found |= topic->Styles()->Item(i)->NameLocal() == u"Tip";
    EXPECT_TRUE(found);
    EXPECT_THROW(App->OrganizerCopy(author->FullName(), u"Nowhere", u"Tip", 0), word::EWordError);
}

TEST_F(Application, SelectionIsALiveRangeThatEditsMove)
{
    auto document = NewDocument(u"Details here");
    auto selection = document->ActiveWindow()->Selection();
    selection->SetStart(0);
    selection->SetEnd(7);
    auto link = selection->Range();
    link->InsertBefore(u" ");
    EXPECT_EQ(link->Text(), u" Details");
    document->Range(0, 0)->InsertBefore(u">>");
    // Text put in front of the selection moves it, whoever puts it there.
    EXPECT_EQ(selection->Start(), 3);
    EXPECT_EQ(selection->Text(), u"Details");
    selection->SetText(u"Info");
    EXPECT_EQ(Narrow(document->Content()->Text()), ">> Info here\r");
    // A range around replaced text holds the text that takes its place.
    EXPECT_EQ(link->Text(), u" Info");
}

TEST_F(Application, CommandBarsKeepControlsAndFindThemByTag)
{
    auto bars = App->CommandBars();
    auto bar = bars->Add(u"Lorivex 2008", word::msoBarTop, true);
    auto button = bar->Controls()->Add(word::msoControlButton);
    button->SetTag(u"lxCompile");
    int clicks = 0;
    button->SetOnClick([&] { ++clicks; });
    bar->FindControl(word::msoControlButton, u"lxCompile", true)->Execute();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(bars->Item(u"lorivex 2008"), bar);
    App->OrganizerDelete(u"Normal.dotm", u"Lorivex 2008", word::wdOrganizerObjectCommandBars);
    EXPECT_EQ(bars->Item(u"Lorivex 2008"), nullptr);
}

} // namespace
} // namespace lorivex::test
