// Word over IDispatch, end to end: each member called through the binding,
// the stand-in and the fake Word, its effect read back from the fake.
#include <functional>

#include <gtest/gtest.h>

#include "tests/word/FakeWord.h"
#include "tests/wordstandin/WordStandIn.h"
#include "word/com/AutoObject.h"
#include "word/com/WordCom.h"

namespace lorivex::test {
namespace {

using fakeword::FakeApplication;

// A fake Word with one document "Hello world\r", bound through the stand-in.
class BoundWord {
public:
    BoundWord()
    {
        fake = std::make_shared<FakeApplication>();
        served = standin::ExposeApplication(fake);
        app = word::com::BindApplication(served);
        app->Documents()->Add();
        Doc()->Content()->SetText(u"Hello world\r");
    }
    ~BoundWord()
    {
        app.reset();
        served->Release();
    }
    word::DocumentPtr Doc() { return app->ActiveDocument(); }
    fakeword::DocumentData& Data() { return *fake->documents.back(); }

    std::shared_ptr<FakeApplication> fake;
    IDispatch* served = nullptr;
    word::ApplicationPtr app;
};

struct MemberCase {
    const char* name;
    std::function<void(BoundWord&)> run;
};

std::ostream& operator<<(std::ostream& out, const MemberCase& c)
{
    return out << c.name;
}

const MemberCase memberCases[] = {
    {"ApplicationVersion", [](BoundWord& w) { EXPECT_EQ(w.app->Version(), u"11.0"); }},
    {"ScreenUpdatingPutAndGet",
     [](BoundWord& w) {
         w.app->SetScreenUpdating(false);
         EXPECT_FALSE(w.fake->ScreenUpdating());
         EXPECT_FALSE(w.app->ScreenUpdating());
     }},
    {"DocumentsAddLeavesOptionalArgumentsOut",
     [](BoundWord& w) {
         w.app->Documents()->Add();
         EXPECT_EQ(w.Data().templateName, u"");
         EXPECT_TRUE(w.Data().visible);
     }},
    {"DocumentsAddPassesTemplateAndVisibleByName",
     [](BoundWord& w) {
         w.app->Documents()->Add(u"C:\\t\\Help.dot", false);
         EXPECT_EQ(w.Data().templateName, u"C:\\t\\Help.dot");
         EXPECT_FALSE(w.Data().visible);
     }},
    {"DocumentsCountAndItem",
     [](BoundWord& w) {
         w.app->Documents()->Add();
         EXPECT_EQ(w.app->Documents()->Count(), 2);
         EXPECT_EQ(w.app->Documents()->Item(2)->Name(), u"Document2");
         EXPECT_EQ(w.app->Documents()->Item(1)->FullName(), u"Document1");
     }},
    {"DocumentRangeTakesStartThenEnd", [](BoundWord& w) { EXPECT_EQ(w.Doc()->Range(6, 11)->Text(), u"world"); }},
    {"RangeStartEndAndSetRange",
     [](BoundWord& w) {
         word::RangePtr r = w.Doc()->Range(0, 5);
         r->SetRange(6, 8);
         EXPECT_EQ(r->Start(), 6);
         EXPECT_EQ(r->End(), 8);
         r->SetEnd(11);
         r->SetStart(7);
         EXPECT_EQ(r->Text(), u"orld");
         EXPECT_EQ(r->Duplicate()->Start(), 7);
     }},
    {"RangeInsertBeforeAndAfter",
     [](BoundWord& w) {
         word::RangePtr r = w.Doc()->Range(6, 11);
         r->InsertBefore(u"big ");
         r->InsertAfter(u"!");
         r->InsertParagraphAfter();
         EXPECT_EQ(w.Data().text, u"Hello big world!\r\r");
         EXPECT_EQ(r->Text(), u"big world!\r");
     }},
    {"RangeDeleteWithDefaultArguments",
     [](BoundWord& w) {
         EXPECT_EQ(w.Doc()->Range(0, 0)->Delete(), 1);
         EXPECT_EQ(w.Data().text, u"ello world\r");
     }},
    {"RangeTextInUtf16",
     [](BoundWord& w) {
         w.Doc()->Range(0, 5)->SetText(u"\u00c4\u4e2d\U0001F600");
         EXPECT_EQ(w.Data().text, u"\u00c4\u4e2d\U0001F600 world\r");
         EXPECT_EQ(w.Doc()->Range(0, 4)->Text(), u"\u00c4\u4e2d\U0001F600");
     }},
    {"RangeDocumentAndFormattedText",
     [](BoundWord& w) {
         word::RangePtr target = w.Doc()->Range(0, 5);
         target->SetFormattedText(w.Doc()->Range(6, 11)->FormattedText());
         EXPECT_EQ(w.Data().text, u"world world\r");
         EXPECT_EQ(target->Document()->Name(), u"Document1");
     }},
    {"BookmarksAddByNameAndRange",
     [](BoundWord& w) {
         w.Doc()->Bookmarks()->Add(u"Greeting", w.Doc()->Range(0, 5));
         ASSERT_EQ(w.Data().bookmarks.count(u"Greeting"), 1u);
         EXPECT_EQ(w.Data().bookmarks[u"Greeting"].end, 5);
         EXPECT_TRUE(w.Doc()->Bookmarks()->Exists(u"Greeting"));
         EXPECT_FALSE(w.Doc()->Bookmarks()->Exists(u"Other"));
     }},
    {"BookmarksItemByNameAndByIndex",
     [](BoundWord& w) {
         w.Data().bookmarks[u"B"] = {6, 11};
         w.Data().bookmarks[u"A"] = {0, 5};
         EXPECT_EQ(w.Doc()->Bookmarks()->Item(u"B")->Range()->Text(), u"world");
         EXPECT_EQ(w.Doc()->Bookmarks()->Item(2)->Name(), u"B");
     }},
    {"BookmarksShowHidden",
     [](BoundWord& w) {
         w.Data().bookmarks[u"_Toc1"] = {0, 5};
         w.Data().bookmarks[u"Seen"] = {0, 5};
         word::BookmarksPtr marks = w.Doc()->Bookmarks();
         EXPECT_EQ(marks->Count(), 1);
         marks->SetShowHidden(true);
         EXPECT_TRUE(marks->ShowHidden());
         EXPECT_EQ(marks->Count(), 2);
     }},
    {"HyperlinksAddLeavesOutWhatIsNotGiven",
     [](BoundWord& w) {
         w.Doc()->Content()->Hyperlinks()->Add(w.Doc()->Range(0, 5), u"http://example.org/");
         ASSERT_EQ(w.Data().links.size(), 1u);
         const auto& link = w.Data().links[0];
         EXPECT_EQ(link.address, u"http://example.org/");
         EXPECT_EQ(link.subAddress, u"(none)");
         EXPECT_EQ(link.textToDisplay, u"(none)");
         EXPECT_EQ(link.target, u"(none)");
     }},
    {"HyperlinksAddPassesEachByItsName",
     [](BoundWord& w) {
         w.Doc()->Content()->Hyperlinks()->Add(w.Doc()->Range(6, 11), std::nullopt, u"Topic2", std::nullopt, u"see",
                                               u"_blank");
         const auto& link = w.Data().links.at(0);
         EXPECT_EQ(link.address, u"(none)");
         EXPECT_EQ(link.subAddress, u"Topic2");
         EXPECT_EQ(link.screenTip, u"(none)");
         EXPECT_EQ(link.textToDisplay, u"see");
         EXPECT_EQ(link.target, u"_blank");
         word::HyperlinkPtr read = w.Doc()->Content()->Hyperlinks()->Item(1);
         EXPECT_EQ(read->SubAddress(), u"Topic2");
         read->SetAddress(u"x.htm");
         EXPECT_EQ(w.Data().links[0].address, u"x.htm");
         EXPECT_EQ(read->Range()->Text(), u"world");
     }},
    {"SaveAsByName",
     [](BoundWord& w) {
         w.Doc()->SaveAs(u"C:\\help\\out.htm", word::wdFormatFilteredHTML, false);
         EXPECT_EQ(w.Data().savedAs, u"C:\\help\\out.htm");
         EXPECT_EQ(w.Data().savedFormat, word::wdFormatFilteredHTML);
         EXPECT_FALSE(w.Data().addedToRecentFiles);
     }},
    {"DocumentCloseAndQuit",
     [](BoundWord& w) {
         w.Doc()->Close();
         EXPECT_TRUE(w.Data().closed);
         w.app->Quit();
         EXPECT_TRUE(w.fake->quit);
     }},
    {"DefaultTargetFrame",
     [](BoundWord& w) {
         word::DocumentPtr doc = w.Doc();
         doc->SetDefaultTargetFrame(u"main");
         EXPECT_EQ(doc->DefaultTargetFrame(), u"main");
     }},
    {"WindowDocument",
     [](BoundWord& w) {
         EXPECT_EQ(w.app->ActiveWindow()->Document()->Name(), u"Document1");
         EXPECT_EQ(w.Doc()->ActiveWindow()->Document()->Application()->Version(), u"11.0");
     }},
    {"CommandBarsAddAndItemByName",
     [](BoundWord& w) {
         word::CommandBarsPtr bars = w.app->CommandBars();
         bars->Add(u"Help Tools", word::msoBarFloating, true);
         EXPECT_EQ(w.fake->CommandBars()->Item(u"Help Tools")->Position(), word::msoBarFloating);
         EXPECT_EQ(bars->Item(u"Help Tools")->Name(), u"Help Tools");
         EXPECT_EQ(bars->Item(u"Missing"), nullptr);
         EXPECT_EQ(bars->Count(), 1);
     }},
    {"CommandBarProperties",
     [](BoundWord& w) {
         word::CommandBarPtr bar = w.app->CommandBars()->Add(u"P", word::msoBarTop, true);
         bar->SetVisible(true);
         bar->SetLeft(40);
         bar->SetTop(7);
         EXPECT_TRUE(bar->Visible());
         EXPECT_EQ(bar->Left(), 40);
         EXPECT_EQ(bar->Top(), 7);
     }},
    {"ControlsAddBeforeAndButtonProperties",
     [](BoundWord& w) {
         word::CommandBarControlsPtr controls = w.app->CommandBars()->Add(u"C", word::msoBarTop, true)->Controls();
         controls->Add(word::msoControlButton)->SetCaption(u"Second");
         word::CommandBarControlPtr first = controls->Add(word::msoControlButton, 1, {}, 1, true);
         first->SetCaption(u"&First");
         first->SetTag(u"lvx.first");
         first->SetFaceId(59);
         first->SetBeginGroup(true);
         first->SetWidth(80);
         first->SetStyle(word::msoButtonIconAndCaption);
         auto fakeFirst = w.fake->CommandBars()->Item(u"C")->Controls()->Item(1);
         EXPECT_EQ(fakeFirst->Caption(), u"&First");
         EXPECT_EQ(fakeFirst->FaceId(), 59);
         EXPECT_TRUE(fakeFirst->BeginGroup());
         EXPECT_EQ(fakeFirst->Width(), 80);
         EXPECT_EQ(first->Style(), word::msoButtonIconAndCaption);
         EXPECT_EQ(controls->Item(2)->Caption(), u"Second");
         EXPECT_EQ(w.app->CommandBars()->Item(u"C")->FindControl(0, u"lvx.first", true)->Caption(), u"&First");
         EXPECT_EQ(w.app->CommandBars()->Item(u"C")->FindControl(0, u"absent", true), nullptr);
     }},
};

// Every object the stand-in handed out since the counts were reset has gone,
// each reference given back once.
void ExpectAllReleasedOnce()
{
    const standin::RefCounts& counts = standin::Counts();
    EXPECT_GT(counts.created, 0u);
    EXPECT_EQ(counts.alive, 0u);
    EXPECT_EQ(counts.overReleases, 0u);
    EXPECT_EQ(counts.releases, counts.created + counts.addRefs);
}

class WordComMembers : public ::testing::TestWithParam<MemberCase> {};

TEST_P(WordComMembers, ReachesWordWithItsArgumentsAndReleasesWhatItGot)
{
    standin::ResetCounts();
    {
        BoundWord word;
        GetParam().run(word);
    }
    ExpectAllReleasedOnce();
}

INSTANTIATE_TEST_SUITE_P(Table, WordComMembers, ::testing::ValuesIn(memberCases),
                         [](const auto& info) { return std::string(info.param.name); });

template <class Item>
std::vector<std::u16string> NamesOf(word::Enumerable& collection)
{
    std::vector<std::u16string> names;
    auto items = collection.NewEnum();
    while (word::DispatchPtr item = items->Next())
        names.push_back(std::dynamic_pointer_cast<Item>(item)->Name());
    return names;
}

TEST(WordComEnumeration, WalksEachCollectionInWordsOrder)
{
    BoundWord w;
    w.app->Documents()->Add();
    w.app->Documents()->Add();
    EXPECT_EQ(NamesOf<word::Document>(*w.app->Documents()),
              (std::vector<std::u16string>{u"Document1", u"Document2", u"Document3"}));
    w.Data().bookmarks[u"Two"] = {0, 1};
    w.Data().bookmarks[u"One"] = {0, 1};
    EXPECT_EQ(NamesOf<word::Bookmark>(*w.Doc()->Bookmarks()), (std::vector<std::u16string>{u"One", u"Two"}));
    EXPECT_TRUE(NamesOf<word::CommandBar>(*w.app->CommandBars()).empty());
}

TEST(WordComErrors, CarryWordsOwnMessage)
{
    BoundWord w;
    struct {
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {[&] { w.app->Documents()->Open(u"C:\\no.docx"); }, "This file could not be found.\r(C:\\no.docx)"},
        {[&] { w.Doc()->Range(5, 2); }, "The specified range is not valid."},
        {[&] { w.Doc()->Bookmarks()->Item(u"Absent"); }, "The requested member of the collection does not exist."},
        {[&] { w.Doc()->Bookmarks()->Add(u"two words", w.Doc()->Content()); }, "Bookmark name is not valid."},
    };
    for (auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no error for: " << c.message;
        } catch (const word::EWordError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    w.fake->documents.clear();
    EXPECT_THROW(
        try { w.app->ActiveDocument(); } catch (const word::EWordError& e) {
            EXPECT_STREQ(e.what(), "This command is not available because no document is open.");
            throw;
        },
        word::EWordError);
}

TEST(WordComErrors, OtherFailuresNameTheMember)
{
    BoundWord w;
    word::com::AutoObject app(word::com::ComPtr<IDispatch>(w.served), L"Application");
    try {
        app.Get(L"NoSuchMember");
        FAIL() << "no error";
    } catch (const word::EWordError& e) {
        EXPECT_NE(std::string(e.what()).find("Application.NoSuchMember"), std::string::npos) << e.what();
    }
    try {
        app.Get(L"Documents").Object();
        app.Call(L"OrganizerDelete", {u"a"});
        FAIL() << "no error";
    } catch (const word::EWordError& e) {
        EXPECT_NE(std::string(e.what()).find("Application.OrganizerDelete"), std::string::npos) << e.what();
    }
}

TEST(WordComNames, AreCaseInsensitiveAndLookedUpOncePerClass)
{
    BoundWord w;
    word::com::AutoObject app(word::com::ComPtr<IDispatch>(w.served), L"Application");
    EXPECT_EQ(app.Get(L"vERSION").Text(), u"11.0");
    word::RangePtr a = w.Doc()->Range(0, 1);
    word::RangePtr b = w.Doc()->Range(2, 4);
    a->Start();
    std::size_t before = standin::Counts().nameLookups;
    EXPECT_EQ(b->Start(), 2);
    EXPECT_EQ(a->Start(), 0);
    EXPECT_EQ(standin::Counts().nameLookups, before);
}

TEST(WordComEvents, WindowActivateReachesTheHandler)
{
    BoundWord w;
    w.app->Documents()->Add();
    std::vector<std::u16string> seen;
    w.app->SetOnWindowActivate([&](const word::DocumentPtr& doc, const word::WindowPtr& window) {
        seen.push_back(doc->Name() + u"|" + window->Document()->Name());
    });
    w.fake->ActivateWindowOf(2);
    w.fake->ActivateWindowOf(1);
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"Document2|Document2", u"Document1|Document1"}));
    ASSERT_TRUE(w.app->OnWindowActivate());
    w.app->SetOnWindowActivate(nullptr);
    w.fake->ActivateWindowOf(1);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_FALSE(w.fake->OnWindowActivate());
}

TEST(WordComEvents, ButtonClickReachesTheHandler)
{
    BoundWord w;
    word::CommandBarControlPtr button =
        w.app->CommandBars()->Add(u"T", word::msoBarTop, true)->Controls()->Add(word::msoControlButton);
    int clicks = 0;
    button->SetOnClick([&] { ++clicks; });
    w.fake->CommandBars()->Item(1)->Controls()->Item(1)->Execute();
    button->Execute();
    EXPECT_EQ(clicks, 2);
    button->SetOnClick(nullptr);
    button->Execute();
    EXPECT_EQ(clicks, 2);
}

TEST(WordComReferences, EnumeratorsEventsAndErrorsReleaseOnce)
{
    standin::ResetCounts();
    {
        BoundWord w;
        auto items = w.app->Documents()->NewEnum();
        items->Next();
        w.app->SetOnWindowActivate([](const word::DocumentPtr&, const word::WindowPtr&) {});
        w.fake->ActivateWindowOf(1);
        word::CommandBarControlPtr button =
            w.app->CommandBars()->Add(u"T", word::msoBarTop, true)->Controls()->Add(word::msoControlButton);
        button->SetOnClick([] {});
        button->Execute();
        EXPECT_THROW(w.app->Documents()->Open(u"x"), word::EWordError);
        EXPECT_THROW(w.Doc()->Bookmarks()->Item(u"x"), word::EWordError);
    }
    ExpectAllReleasedOnce();
}

} // namespace
} // namespace lorivex::test
