// Fields as the compiler finds, adds and updates them.
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
    EXPECT_EQ(document->Range(code->Start() - 1, code->Start())->Text(), u"\x13");
    EXPECT_EQ(document->Range(result->Start() - 1, result->Start())->Text(), u"\x14");
    EXPECT_EQ(document->Range(result->End(), result->End() + 1)->Text(), u"\x15");
    EXPECT_EQ(document->Content()->Text(),
              u"a\x13 DOCPROPERTY Missing \x14" u"Error! Unknown document property name.\x15" u"b\r");
}

TEST_F(Fields, MarkEntryPutsAnXeFieldAfterTheRange)
{
    auto document = NewDocument(u"word here");
    auto entry = document->Indexes()->MarkEntry(document->Range(0, 4), u"word");
    EXPECT_EQ(entry->Code()->Text(), u" XE \"word\" ");
    EXPECT_EQ(entry->Type(), word::wdFieldIndexEntry);
    EXPECT_EQ(document->Range(0, 4)->Text(), u"word");
    EXPECT_EQ(document->Range(4, 5)->Text(), u"\x13");
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
    EXPECT_EQ(GetRangeField(document->Range(0, 1), word::wdFieldAddin, " ADDIN"), nullptr);
}

TEST_F(Fields, AMissingMemberRaisesWordsMessage)
{
    auto document = NewDocument(u"x");
    try {
        document->Fields()->Item(1);
        FAIL() << "there is no field";
    } catch (const word::EWordError& e) {
        EXPECT_EQ(e.Message(), "The requested member of the collection does not exist.");
    }
}

} // namespace
} // namespace lorivex::test
