// Word's rules for ranges that the compiler holds while it edits.
#include "engine/EngineFixture.h"

namespace lorivex::test {
namespace {

using LiveRange = EngineTest;

TEST_F(LiveRange, InsertAfterAndInsertBeforeExtendTheRangeTheyAreCalledOn)
{
    auto document = NewDocument(u"abcdef");
    auto range = document->Range(2, 4);
    range->InsertAfter(u"XY");
    EXPECT_EQ(range->Start(), 2);
    EXPECT_EQ(range->End(), 6);
    EXPECT_EQ(range->Text(), u"cdXY");
    range->InsertBefore(u"<");
    EXPECT_EQ(range->Start(), 2);
    EXPECT_EQ(range->Text(), u"<cdXY");

    auto collapsed = document->Range(1, 1);
    collapsed->InsertAfter(u"12");
    EXPECT_EQ(collapsed->Text(), u"12");
    collapsed->Duplicate()->InsertBefore(u"0");
    EXPECT_EQ(Narrow(document->Content()->Text()), "a012b<cdXYef\r");
}

TEST_F(LiveRange, HeldRangesMoveWithEditsElsewhere)
{
    auto document = NewDocument(u"0123456789");
    auto after = document->Range(5, 7);
    auto before = document->Range(0, 2);
    auto atPoint = document->Range(3, 3);
    auto startsAtPoint = document->Range(3, 5);
    auto endsAtPoint = document->Range(1, 3);
    document->Range(3, 3)->InsertAfter(u"abc");
    EXPECT_EQ(after->Start(), 8);
    EXPECT_EQ(after->Text(), u"56");
    EXPECT_EQ(before->Text(), u"01");
    // A collapsed range at the edit point stays before the inserted text.
    EXPECT_EQ(atPoint->Start(), 3);
    EXPECT_EQ(atPoint->End(), 3);
    EXPECT_EQ(startsAtPoint->Text(), u"34");
    EXPECT_EQ(endsAtPoint->Text(), u"12");
}

TEST_F(LiveRange, DeletingTextCollapsesPositionsInsideItToTheDeletionStart)
{
    auto document = NewDocument(u"0123456789");
    auto inside = document->Range(4, 6);
    auto across = document->Range(1, 5);
    auto after = document->Range(8, 9);
    document->Range(3, 7)->Delete();
    EXPECT_EQ(inside->Start(), 3);
    EXPECT_EQ(inside->End(), 3);
    EXPECT_EQ(across->Text(), u"12");
    EXPECT_EQ(after->Text(), u"8");
    EXPECT_EQ(Narrow(document->Content()->Text()), "012789\r");
}

TEST_F(LiveRange, SetTextMakesTheRangeSpanTheNewText)
{
    auto document = NewDocument(u"Hello world");
    auto range = document->Range(6, 11);
    auto tail = document->Range(11, 12);
    range->SetText(u"there, all");
    EXPECT_EQ(range->Text(), u"there, all");
    EXPECT_EQ(tail->Start(), 16);
    // The final paragraph mark survives replacing everything.
    document->Content()->SetText(u"new");
    EXPECT_EQ(Narrow(document->Content()->Text()), "new\r");
}

TEST_F(LiveRange, DuplicateIsIndependentAndSetRangeMovesBothEnds)
{
    auto document = NewDocument(u"abcdef");
    auto range = document->Range(1, 3);
    auto copy = range->Duplicate();
    copy->SetRange(2, 5);
    EXPECT_EQ(range->Text(), u"bc");
    EXPECT_EQ(copy->Text(), u"cde");
    copy->SetStart(4);
    EXPECT_EQ(copy->Text(), u"e");
    copy->SetEnd(2);
    EXPECT_EQ(copy->Start(), 2);
    EXPECT_EQ(copy->End(), 2);
}

TEST_F(LiveRange, LanguageIdIsMixedWhenTheRangeHoldsTwoLanguages)
{
    auto document = NewDocument(u"English Deutsch");
    document->Range(0, 7)->SetLanguageID(0x409);
    document->Range(8, 15)->SetLanguageID(0x407);
    EXPECT_EQ(document->Range(0, 7)->LanguageID(), 0x409);
    EXPECT_EQ(document->Range(8, 15)->LanguageID(), 0x407);
    EXPECT_EQ(document->Content()->LanguageID(), word::wdUndefined);
}

TEST_F(LiveRange, FontHiddenReportsMixedRanges)
{
    auto document = NewDocument(u"shown hidden");
    document->Range(6, 12)->Font()->SetHidden(1);
    EXPECT_EQ(document->Range(6, 12)->Font()->Hidden(), -1);
    EXPECT_EQ(document->Range(0, 5)->Font()->Hidden(), 0);
    EXPECT_EQ(document->Range(0, 12)->Font()->Hidden(), word::wdUndefined);
}

TEST_F(LiveRange, ParagraphsWalkWithNextAndPreviousAndCountPartlyCoveredOnes)
{
    auto document = NewDocument(u"one\rtwo\rthree");
    auto paragraphs = document->Paragraphs();
    ASSERT_EQ(paragraphs->Count(), 3);
    auto second = paragraphs->First()->Next();
    EXPECT_EQ(second->Range()->Text(), u"two\r");
    EXPECT_EQ(second->Previous()->Range()->Text(), u"one\r");
    EXPECT_EQ(second->Next()->Next(), nullptr);
    EXPECT_EQ(document->Range(2, 5)->Paragraphs()->Count(), 2);
    EXPECT_THROW(paragraphs->Item(4), word::EWordError);
}

} // namespace
} // namespace lorivex::test
