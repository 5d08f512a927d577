// The document utilities on the engine's documents.
#include "Failure.h"
#include "engine/EngineFixture.h"
#include "services/LorivexUtils.h"
#include "platform/FileSystem.h"
#include "services/MessageHook.h"

namespace lorivex::test {
namespace {

using DocumentUtils = EngineTest;

TEST_F(DocumentUtils, GetDocPropertyIgnoresCaseAndGivesEmptyTextWhenMissing)
{
    auto document = NewDocument();
    EXPECT_EQ(GetDocProperty(document, "lxDateFormat"), "");
    document->CustomDocumentProperties()->Add(u"LXDATEFORMAT", false, word::PropertyTypeString,
                                              word::Variant::Text(u"yyyy"));
    EXPECT_EQ(GetDocProperty(document, "lxDateFormat"), "yyyy");
    document->CustomDocumentProperties()->Add(u"Count", false, word::PropertyTypeNumber, word::Variant::Integer(42));
    EXPECT_EQ(GetDocProperty(document, "count"), "42");
}

TEST_F(DocumentUtils, SetDocPropertyCreatesOnceThenChangesKeepingTheStoredName)
{
    auto document = NewDocument();
    SetDocProperty(document, "lxTopicTitle", "One");
    SetDocProperty(document, "lxTopicTitle", "Two");
    SetDocProperty(document, "LXTOPICTITLE", "Three");
    auto custom = document->CustomDocumentProperties();
    ASSERT_EQ(custom->Count(), 1);
    EXPECT_EQ(custom->Item(1)->Name(), u"lxTopicTitle");
    EXPECT_EQ(custom->Item(1)->Type(), word::PropertyTypeString);
    EXPECT_EQ(custom->Item(1)->Value().text, u"Three");
}

TEST_F(DocumentUtils, SetDocPropertyOnAPropertyThatCannotTakeTextFailsWithItsContext)
{
    auto document = NewDocument();
    document->CustomDocumentProperties()->Add(u"Number", false, word::PropertyTypeNumber, word::Variant::Integer(1));
    EXPECT_THAT([&] { SetDocProperty(document, "Number", "not a number"); },
                Throws<ElxException>(Trace("LorivexUtilsUnit.SetDocProperty\r\n")));
}

TEST_F(DocumentUtils, SetBuiltInDocPropertySetsBuiltInsAndCreatesCustomOthers)
{
    auto author = NewDocument();
    auto topic = NewDocument();
    SetBuiltInDocProperty(topic, "title", word::Variant::Text(u"Guide"), word::PropertyTypeString, false);
    EXPECT_EQ(topic->BuiltInDocumentProperties()->Item(1)->Value().text, u"Guide");
    SetBuiltInDocProperty(topic, "Not Built In", word::Variant::Integer(5), word::PropertyTypeNumber, false);
    auto custom = topic->CustomDocumentProperties();
    ASSERT_EQ(custom->Count(), 1);
    EXPECT_EQ(custom->Item(1)->Type(), word::PropertyTypeNumber);
    EXPECT_EQ(custom->Item(1)->Value().integer, 5);
    (void)author;
}

TEST_F(DocumentUtils, GetCollectionItemsListsInWordsOrderAndKeepsItemsAlive)
{
    std::vector<word::DispatchPtr> items;
    {
        auto document = NewDocument();
        items = GetCollectionItems(*document->BuiltInDocumentProperties());
        document->Close(word::wdDoNotSaveChanges);
    }
    ASSERT_GE(items.size(), 30u);
    std::vector<std::u16string> names;
    for (const auto& item : items)
        names.push_back(std::dynamic_pointer_cast<word::DocumentProperty>(item)->Name());
    EXPECT_EQ(std::vector<std::u16string>(names.begin(), names.begin() + 6),
              (std::vector<std::u16string>{u"Title", u"Subject", u"Author", u"Keywords", u"Comments", u"Template"}));
    EXPECT_EQ(names[11], u"Last Save Time");
}

TEST_F(DocumentUtils, ShrinkHtmlWithoutTheFilterFailsAndLeavesTheFileAlone)
{
    std::string page = Folder / "page.html";
    WriteTextFile(page, "<html></html>");
    try {
        ShrinkHTML(page);
        FAIL() << "there is no filter library here";
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(),
                  "The MSFilter.dll is missing, reinstalling \"Office 2000 HTML Filter 2.0\" will solve this issue.");
        EXPECT_EQ(e.CallStack(), "LorivexUtilsUnit.ShrinkHTML\r\n");
    }
    EXPECT_EQ(platform::ReadFileBytes(page), "<html></html>");
}

TEST(MessageHook, ReplacesTheDefaultPresenterAndGivesBackThePreviousOne)
{
    std::string shown;
    auto previous = SetMessageBoxHook([&](const std::string& text) { shown = text; });
    ShowMessage("PeelProc is nil");
    SetMessageBoxHook(previous);
    EXPECT_EQ(shown, "PeelProc is nil");
}

} // namespace
} // namespace lorivex::test
