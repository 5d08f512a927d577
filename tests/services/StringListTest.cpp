#include <gtest/gtest.h>

#include "base/Exception.h"
#include "services/StringList.h"

namespace lorivex {
namespace {

TEST(StringList, TextSplitsAtEveryLineBreakKindWithoutEmptyLastLine)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd\r\n");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[3], "d");
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetText("x\n\ny");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[1], "");
}

TEST(StringList, SortedListInsertsInOrderIgnoringCase)
{
    TStringList list;
    list.SetSorted(true);
    list.Add("gamma", 3);
    list.Add("Alpha", 1);
    list.Add("beta", 2);
    EXPECT_EQ(list.Text(), "Alpha\r\nbeta\r\ngamma\r\n");
    EXPECT_EQ(list.Items(1).Tag, 2);
    EXPECT_EQ(list.IndexOf("BETA"), 1);
    EXPECT_EQ(list.IndexOf("delta"), -1);
}

TEST(StringList, DuplicateRules)
{
    TStringList ignoring;
    ignoring.DuplicatesRule = TStringList::Duplicates::Ignore;
    EXPECT_EQ(ignoring.Add("Path"), 0);
    EXPECT_EQ(ignoring.Add("path"), 0);
    EXPECT_EQ(ignoring.Count(), 1);

    TStringList strict;
    strict.DuplicatesRule = TStringList::Duplicates::Error;
    strict.Add("a");
    EXPECT_THROW(strict.Add("A"), Exception);
}

TEST(StringList, TrimRemovesControlCharactersAndBlanksOnly)
{
    EXPECT_EQ(Trim("\t Setup \r"), "Setup");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("  "), "");
    EXPECT_TRUE(SameText("Installation\\Requirements", "installation\\requirements"));
    EXPECT_FALSE(SameText("abc", "abd"));
}

} // namespace
} // namespace lorivex
