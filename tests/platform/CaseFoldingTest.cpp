// Letter case and order of ANSI text: every letter of the code page, and
// the user's language for sorting.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/CaseFolding.h"
#include "platform/CodePages.h"
#include "services/StringList.h"
#include "ui/Strings.h"

namespace lorivex::platform {
namespace {

#ifndef _WIN32
// The code page and the language follow the environment on POSIX; Windows
// has its own settings, where the same rules hold for Western code pages.
class WesternText : public testing::Test {
    test::ScopedEnv codePage{"LORIVEX_ANSI_CODEPAGE", "1252"};
    test::ScopedEnv language{"LC_ALL", "de_DE.UTF-8"};
};
#else
using WesternText = testing::Test;
#endif

TEST_F(WesternText, EveryLetterOfTheCodePageHasItsCase)
{
    if (AnsiCodePage() != 1252)
        GTEST_SKIP() << "the ANSI code page is " << AnsiCodePage();
    EXPECT_EQ(AnsiUpperCase("\xE4pfel \xF6l \xFC" "ber stra\xDF" "e"), "\xC4PFEL \xD6L \xDC" "BER STRA\xDF" "E");
    EXPECT_EQ(AnsiLowerCase("\xC4PFEL"), "\xE4pfel");
    EXPECT_TRUE(AnsiSameText("\xC4pfel", "\xE4PFEL"));
    EXPECT_FALSE(AnsiSameText("\xC4pfel", "Apfel"));
    // The system's names, paths and lists compare the same way.
    EXPECT_TRUE(SameText("Gr\xFC\xDF" "e\\\xC4nderung", "GR\xDC\xDF" "E\\\xE4NDERUNG"));
    ui::TStrings items;
    items.Add("\xC4nderung");
    EXPECT_EQ(items.IndexOf("\xE4NDERUNG"), 0);
    EXPECT_EQ(UpperChar16(u'\u00e4'), u'\u00c4');
    EXPECT_TRUE(SameTextW(u"\u00c4pfel", u"\u00e4PFEL"));
}

TEST_F(WesternText, SortingFollowsTheLanguageWithoutRegardToCase)
{
    if (AnsiCodePage() != 1252)
        GTEST_SKIP() << "the ANSI code page is " << AnsiCodePage();
    EXPECT_LT(LocaleCompareText("\xC4pfel", "Zebra"), 0);
    EXPECT_LT(LocaleCompareText("apple", "Banana"), 0);
    EXPECT_EQ(LocaleCompareText("Alpha", "aLPHA"), 0);
    EXPECT_GT(LocaleCompareText("gamma", "Beta"), 0);
}

#ifndef _WIN32
// In a two-byte code page the second byte of a character may look like an
// ASCII letter; it is no letter of its own.
TEST(CaseFolding, TheSecondByteOfATwoByteCharacterIsNoLetter)
{
    test::ScopedEnv codePage("LORIVEX_ANSI_CODEPAGE", "932");
    if (AnsiCodePage() != 932)
        GTEST_SKIP() << "iconv has no CP932";
    const std::string kana = "\x83\x61"; // a katakana letter whose second byte is 'a'
    ASSERT_EQ(Utf8ToAnsi("\xE3\x83\x82"), kana);
    EXPECT_EQ(AnsiUpperCase(kana + "a"), kana + "A");
    EXPECT_FALSE(AnsiSameText(kana, "\x83\x41"));
}
#endif

} // namespace
} // namespace lorivex::platform
