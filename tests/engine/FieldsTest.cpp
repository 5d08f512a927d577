// Fields as the compiler finds, adds and updates them.
#include "Failure.h"
#include "engine/EngineFixture.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {
namespace {

using Fields = EngineTest;

TEST_F(Fields, AddBuildsTheCodeTextAsWordDoes)
{
    auto document = NewDocument(u"Heading\rBody");
    auto addin = document->Fields()->Add(document->Range(8, 8), word::wdFieldAddin, u"lxSeeAlsoData", true);
    EXPECT_EQ(addin->Code()->Text(), u" ADDIN lxSeeAlsoData ");
    EXPECT_EQ(addin->Type(), word::wdFieldAddin);
    auto property = document->Fields()->Add(document->Content()->Duplicate(), word::wdFieldDocProperty,
                                            u"lxTopicTitle", true);
    EXPECT_EQ(property->Code()->Text(), u" DOCPROPERTY lxTopicTitle ");
    // The field replaced the whole text but not the final paragraph mark.
    EXPECT_EQ(document->Paragraphs()->Count(), 1);
}

TEST_F(Fields, DocPropertyShowsThePropertyOrWordsErrorText)
{
    auto document = NewDocument(u"x");
    auto field = document->Fields()->Add(document->Range(0, 0), word::wdFieldDocProperty, u"lxTopicTitle", true);
    EXPECT_EQ(field->Result()->Text(), u"Error! Unknown document property name.");
    SetDocProperty(document, "LXTOPICTITLE", "Installing");
    EXPECT_TRUE(field->Update());
    EXPECT_EQ(field->Result()->Text(), u"Installing");
    document->BuiltInDocumentProperties()->Item(1)->SetValue(word::Variant::Text(u"My Title"));
    auto title = document->Fields()->Add(document->Range(0, 0), word::wdFieldDocProperty, u"Title", true);
    EXPECT_EQ(title->Result()->Text(), u"My Title");
}

TEST_F(Fields, CodeAndResultRangesSitBetweenTheMarksAndTextHoldsBoth)
{
    auto document = NewDocument(u"ab");
    auto field = document->Fields()->Add(document->Range(1, 1), word::wdFieldDocProperty, u"Missing", true);
    auto code = field->Code();
    auto result = field->Result();
    EXPECT_EQ(Raw(document->Range(code->Start() - 1, code->Start())), u"\x13");
    EXPECT_EQ(Raw(document->Range(result->Start() - 1, result->Start())), u"\x14");
    EXPECT_EQ(Raw(document->Range(result->End(), result->End() + 1)), u"\x15");
    EXPECT_EQ(Raw(document->Content()),
              u"a\x13 DOCPROPERTY Missing \x14" u"Error! Unknown document property name.\x15" u"b\r");
}

TEST_F(Fields, MarkEntryPutsAnXeFieldAfterTheRange)
{
    auto document = NewDocument(u"word here");
    auto entry = document->Indexes()->MarkEntry(document->Range(0, 4), u"word");
    EXPECT_EQ(entry->Code()->Text(), u" XE \"word\" ");
    EXPECT_EQ(entry->Type(), word::wdFieldIndexEntry);
    EXPECT_EQ(document->Range(0, 4)->Text(), u"word");
    EXPECT_EQ(Raw(document->Range(4, 5)), u"\x13");
}

TEST_F(Fields, FieldDataIsKeptPerField)
{
    auto document = NewDocument(u"text");
    auto field = document->Fields()->Add(document->Range(0, 0), word::wdFieldAddin, u"lxSeeAlsoData", true);
    field->SetData(u"A\r\nA\\B\r\n");
    document->Range(0, 0)->InsertBefore(u"moved ");
    EXPECT_EQ(document->Fields()->Item(1)->Data(), u"A\r\nA\\B\r\n");
}

TEST_F(Fields, GetRangeFieldTakesTheLastMatchAndComparesThePrefixExactly)
{
    auto document = NewDocument(u"topic");
    auto fields = document->Fields();
    auto first = fields->Add(document->Range(0, 0), word::wdFieldAddin, u"lxSeeAlsoData", true);
    first->SetData(u"first");
    auto end = document->Content()->End() - 1;
    auto second = fields->Add(document->Range(end, end), word::wdFieldAddin, u"lxSeeAlsoData", true);
    second->SetData(u"second");
    auto found = GetRangeField(document->Content(), word::wdFieldAddin, " ADDIN lxSeeAlsoData");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Data(), u"second");
    EXPECT_EQ(GetRangeField(document->Content(), word::wdFieldAddin, "ADDIN lxSeeAlsoData"), nullptr);
    EXPECT_EQ(GetRangeField(document->Content(), word::wdFieldDocProperty, " ADDIN"), nullptr);
    // A range inside the field's code does not hold the field.
    EXPECT_EQ(GetRangeField(document->Range(1, 3), word::wdFieldAddin, " ADDIN"), nullptr);
}

// Range.Text gives what a reader sees; the window's view options and the
// range's own retrieval mode bring codes and hidden text in.
TEST_F(Fields, TextShowsResultsNotCodesAndHiddenTextOnlyWhenAsked)
{
    auto document = NewDocument(u"Compiling\rAbout \r");
    document->CustomDocumentProperties()->Add(u"lxTopicTitle", false, word::PropertyTypeString,
                                              word::Variant::Text(u"Topic Title"));
    document->Indexes()->MarkEntry(document->Range(0, 9), u"compiling");
    auto about = document->Paragraphs()->Item(2)->Range();
    document->Fields()->Add(document->Range(about->End() - 1, about->End() - 1), word::wdFieldDocProperty,
                            u"lxTopicTitle", true);
    EXPECT_EQ(document->Paragraphs()->Item(1)->Range()->Text(), u"Compiling\r");
    EXPECT_EQ(document->Paragraphs()->Item(2)->Range()->Text(), u"About Topic Title\r");
    // A range over a heading's text and one more character holds the entry
    // that follows the text, and the entry's code reads whole though hidden.
    EXPECT_EQ(document->Range(0, 10)->Fields()->Count(), 1);
    EXPECT_EQ(document->Fields()->Item(1)->Code()->Text(), u" XE \"compiling\" ");

    auto view = document->ActiveWindow()->View();
    view->SetShowFieldCodes(true);
    EXPECT_EQ(document->Paragraphs()->Item(2)->Range()->Text(),
              u"About \x13 DOCPROPERTY lxTopicTitle \x14Topic Title\x15\r");
    // The entry is hidden text: its code shows with hidden text only.
    EXPECT_EQ(document->Paragraphs()->Item(1)->Range()->Text(), u"Compiling\r");
    view->SetShowHiddenText(true);
    EXPECT_EQ(document->Paragraphs()->Item(1)->Range()->Text(), u"Compiling\x13 XE \"compiling\" \x15\r");
    view->SetShowFieldCodes(false);
    view->SetShowHiddenText(false);

    auto range = document->Paragraphs()->Item(1)->Range();
    range->TextRetrievalMode()->SetIncludeHiddenText(true);
    range->TextRetrievalMode()->SetIncludeFieldCodes(true);
    EXPECT_EQ(range->Text(), u"Compiling\x13 XE \"compiling\" \x15\r");
    EXPECT_EQ(range->Duplicate()->Text(), range->Text());
}

TEST_F(Fields, AMissingMemberRaisesWordsMessage)
{
    auto document = NewDocument(u"x");
    EXPECT_THAT([&] { document->Fields()->Item(1); },
                ThrowsMessage<word::EWordError>("The requested member of the collection does not exist."));
}

} // namespace
} // namespace lorivex::test
