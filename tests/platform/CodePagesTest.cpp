#include "platform/CodePages.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <vector>

#ifndef _WIN32
#include "TestSupport.h"

namespace lorivex::platform {
namespace {

using test::ScopedEnv;

class CodePagesTest : public ::testing::Test {
protected:
    // Starts from the C locale with no code page override.
    CodePagesTest() { env.UseCLocale(); }
    ScopedEnv env;
};

// ------------------------------------------------------------- Western text

TEST_F(CodePagesTest, WesternTextRoundTripsThrough1252)
{
    ASSERT_EQ(AnsiCodePage(), 1252u);
    const std::u16string text = u"Gr\u00FC\u00DFe, caf\u00E9 \u2014 \u201Cquoted\u201D 5 \u20AC \u2122";
    const std::string ansi = Utf16ToAnsi(text);
    EXPECT_EQ(ansi, "Gr\xFC\xDF" "e, caf\xE9 \x97 \x93quoted\x94 5 \x80 \x99");
    EXPECT_EQ(AnsiToUtf16(ansi), text);
    EXPECT_TRUE(AnsiCanHold(text));
    EXPECT_EQ(AnsiToUtf8(ansi), Utf16ToUtf8(text));
    EXPECT_EQ(Utf8ToAnsi(Utf16ToUtf8(text)), ansi);
}

TEST_F(CodePagesTest, EveryByteSurvivesTheRoundTrip)
{
    // Including the five bytes 1252 leaves undefined: Windows reads them as
    // the C1 controls of the same value and writes them back.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(char(b));
    const std::u16string wide = AnsiToUtf16(all);
    ASSERT_EQ(wide.size(), all.size());
    EXPECT_EQ(wide[0x81 - 1], u'\u0081');
    EXPECT_EQ(Utf16ToAnsi(wide), all);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST_F(CodePagesTest, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(Utf16ToAnsi(u"a\u0416b"), "a?b");           // Cyrillic
    EXPECT_EQ(Utf16ToAnsi(u"x\U0001F600y"), "x?y");       // one character, two units
    EXPECT_EQ(Utf16ToAnsi(u"\xD800z\xDC00"), "?z?");      // lone surrogates
    EXPECT_EQ(Utf8ToAnsi("\xE6\x97\xA5 \xC3\xA9"), "? \xE9");
    EXPECT_FALSE(AnsiCanHold(u"caf\u00E9 \u0416"));
    EXPECT_FALSE(AnsiCanHold(u"\xD800"));
    EXPECT_TRUE(AnsiCanHold(u""));
    EXPECT_TRUE(AnsiCanHold(u"?"));
}

// ------------------------------------------------------ choosing the code page

TEST_F(CodePagesTest, OverrideSwitchesTheCodePageWhileRunning)
{
    EXPECT_EQ(Utf16ToAnsi(u"\u0416"), "?");
    env.Set("LORIVEX_ANSI_CODEPAGE", "1251");
    EXPECT_EQ(AnsiCodePage(), 1251u);
    EXPECT_EQ(Utf16ToAnsi(u"\u041F\u0440\u0438\u0432\u0435\u0442"), "\xCF\xF0\xE8\xE2\xE5\xF2");
    EXPECT_EQ(AnsiToUtf16("\xCF\xF0\xE8\xE2\xE5\xF2"), u"\u041F\u0440\u0438\u0432\u0435\u0442");
    EXPECT_EQ(Utf16ToAnsi(u"caf\u00E9"), "caf?");
    EXPECT_EQ(AnsiToUtf8("\xC6"), "\xD0\x96");
    env.Unset("LORIVEX_ANSI_CODEPAGE");
    EXPECT_EQ(AnsiCodePage(), 1252u);
    EXPECT_EQ(Utf16ToAnsi(u"caf\u00E9"), "caf\xE9");
}

TEST_F(CodePagesTest, UnusableOverridesAreIgnored)
{
    // Not a number, no such code page, and code pages that do not keep ASCII
    // as it is (UTF-16, EBCDIC, ISO-2022) cannot be the ANSI code page.
    for (const char* value : {"", "abc", "1251x", " 1251", "99999", "1200", "37", "50220"}) {
        env.Set("LORIVEX_ANSI_CODEPAGE", value);
        EXPECT_EQ(AnsiCodePage(), 1252u) << '"' << value << '"';
    }
    env.Set("LC_ALL", "ru_RU.UTF-8");
    env.Set("LORIVEX_ANSI_CODEPAGE", "1200");
    EXPECT_EQ(AnsiCodePage(), 1251u);
}

TEST_F(CodePagesTest, LocaleLanguageChoosesWindowsCodePage)
{
    // Only the name counts, so none of these has to be installed.
    const std::pair<const char*, unsigned> cases[] = {
        {"C", 1252},           {"POSIX", 1252},          {"C.UTF-8", 1252},
        {"en_US.UTF-8", 1252}, {"de_AT@euro", 1252},     {"pt_BR", 1252},
        {"nb_NO", 1252},       {"no_NO", 1252},          {"fi_FI.UTF-8", 1252},
        {"ru_RU.KOI8-R", 1251}, {"uk_UA", 1251},         {"bg_BG", 1251},
        {"sr_RS", 1251},       {"sr_RS@latin", 1250},    {"pl_PL", 1250},
        {"cs_CZ", 1250},       {"hu_HU", 1250},          {"el_GR", 1253},
        {"tr_TR", 1254},       {"he_IL", 1255},          {"ar_EG", 1256},
        {"lv_LV", 1257},       {"vi_VN", 1258},          {"th_TH", 874},
        {"ja_JP.eucJP", 932},  {"zh_CN.GB18030", 936},   {"zh_SG", 936},
        {"ko_KR", 949},        {"zh_TW.Big5", 950},      {"zh_HK", 950},
        {"xx_YY", 1252},       {"hi_IN", 1252},
    };
    for (const auto& [name, codePage] : cases) {
        env.Set("LC_ALL", name);
        EXPECT_EQ(AnsiCodePage(), codePage) << name;
    }
}

TEST_F(CodePagesTest, LocaleVariablesTakePrecedenceInPosixOrder)
{
    env.Unset("LC_ALL");
    env.Set("LANG", "ru_RU");
    EXPECT_EQ(AnsiCodePage(), 1251u);
    env.Set("LC_CTYPE", "el_GR");
    EXPECT_EQ(AnsiCodePage(), 1253u);
    env.Set("LC_TIME", "ja_JP"); // not the category that sets the charset
    EXPECT_EQ(AnsiCodePage(), 1253u);
    env.Set("LC_ALL", "tr_TR");
    EXPECT_EQ(AnsiCodePage(), 1254u);
}

// ------------------------------------------------------ double-byte code pages

TEST_F(CodePagesTest, JapaneseCodePageConvertsBothWays)
{
    env.Set("LORIVEX_ANSI_CODEPAGE", "932");
    if (AnsiCodePage() != 932)
        GTEST_SKIP() << "iconv has no CP932";
    const std::u16string text = u"\u65E5\u672C\u8A9E text \uFF76";
    const std::string ansi = Utf16ToAnsi(text);
    EXPECT_EQ(ansi, "\x93\xFA\x96\x7B\x8C\xEA text \xB6");
    EXPECT_EQ(AnsiToUtf16(ansi), text);
    EXPECT_TRUE(IsAnsiLeadByte('\x93'));
    EXPECT_FALSE(IsAnsiLeadByte('\x7B'));
    EXPECT_FALSE(IsAnsiLeadByte('\xB6')); // half-width katakana stand alone
    EXPECT_EQ(Utf16ToAnsi(u"\u00E9\u65E5"), "?\x93\xFA");
    EXPECT_FALSE(AnsiCanHold(u"\u00E9"));
    // A lead byte with nothing after it, and one with an impossible partner.
    EXPECT_EQ(AnsiToUtf16("ab\x93"), u"ab\uFFFD");
    EXPECT_EQ(AnsiToUtf16("\x81\x20z"), u"\uFFFD z");

    env.Unset("LORIVEX_ANSI_CODEPAGE");
    for (int b = 0; b < 256; ++b)
        EXPECT_FALSE(IsAnsiLeadByte(char(b))) << b;
}

TEST_F(CodePagesTest, ConversionsAgreeAcrossThreads)
{
    env.Set("LORIVEX_ANSI_CODEPAGE", "936");
    const std::u16string text = u"\u4E2D\u6587 mixed \u05D0 text";
    const std::string expected = Utf16ToAnsi(text);
    ASSERT_EQ(AnsiToUtf16(expected), u"\u4E2D\u6587 mixed ? text");
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([&, i] {
            for (int k = 0; k < 500; ++k)
                if (Utf16ToAnsi(text) != expected || !AnsiCanHold(u"\u4E2D") || AnsiCanHold(u"\u05D0"))
                    ++failures[i];
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

// ------------------------------------------------------------- UTF-8

TEST_F(CodePagesTest, Utf8AndUtf16RoundTrip)
{
    const std::u16string text = u"A\u00E9\u0416\u65E5\U0001F600\uFFFF";
    const std::string utf8 = "A\xC3\xA9\xD0\x96\xE6\x97\xA5\xF0\x9F\x98\x80\xEF\xBF\xBF";
    EXPECT_EQ(Utf16ToUtf8(text), utf8);
    EXPECT_EQ(Utf8ToUtf16(utf8), text);
}

TEST_F(CodePagesTest, IllFormedUtf8BecomesReplacementCharacters)
{
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82x"), u"\uFFFDx");       // truncated sequence: one
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");    // overlong: each byte
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD"); // past U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\x80z"), u"\uFFFDz");
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00!"), "\xEF\xBF\xBD!");
}

// ------------------------------------------------------------- OEM

TEST_F(CodePagesTest, Utf8LocaleMakesTheOemCodePageUtf8)
{
    env.Set("LC_ALL", "C.UTF-8");
    EXPECT_EQ(OemCodePage(), 65001u);
    EXPECT_EQ(OemToAnsi("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xE6\x97\xA5"), "Gr\xFC\xDF" "e \x80 ?");
    EXPECT_EQ(OemToAnsi("plain"), "plain");
    env.Set("LC_ALL", "ru_RU.UTF-8"); // a charset read from the name when not installed
    EXPECT_EQ(OemCodePage(), 65001u);
    EXPECT_EQ(OemToAnsi("\xD0\x96"), "\xC6");
}

TEST_F(CodePagesTest, OemConvertsFromLegacyLocaleCharsets)
{
    env.Set("LC_ALL", "ru_RU.KOI8-R");
    EXPECT_EQ(OemCodePage(), 20866u);
    EXPECT_EQ(OemToAnsi("\xF0\xD2\xC9\xD7\xC5\xD4"), "\xCF\xF0\xE8\xE2\xE5\xF2");
    env.Set("LC_ALL", "de_DE.ISO-8859-15");
    EXPECT_EQ(OemCodePage(), 28605u);
    EXPECT_EQ(OemToAnsi("\xA4\xFC"), "\x80\xFC");
}

TEST_F(CodePagesTest, CLocaleOemPassesBytesThrough)
{
    EXPECT_EQ(OemCodePage(), 1252u);
    EXPECT_EQ(OemToAnsi("a\xE9\x81z"), "a\xE9\x81z");
}

// ------------------------------------------------------------- robustness

TEST_F(CodePagesTest, ArbitraryBytesNeverBreakAConversion)
{
    std::mt19937 random(20240305);
    for (const char* codePage : {"1252", "1251", "932", "949", "950", "65001", "1258"}) {
        env.Set("LORIVEX_ANSI_CODEPAGE", codePage);
        for (int round = 0; round < 200; ++round) {
            std::string bytes(random() % 40, '\0');
            for (char& c : bytes)
                c = char(random());
            std::u16string units(random() % 20, u'\0');
            for (char16_t& u : units)
                u = char16_t(random());
            const std::u16string wide = AnsiToUtf16(bytes);
            EXPECT_LE(wide.size(), bytes.size());
            Utf16ToAnsi(wide);
            Utf16ToAnsi(units);
            AnsiCanHold(units);
            OemToAnsi(bytes);
            Utf8ToAnsi(bytes);
            AnsiToUtf8(bytes);
            EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(Utf16ToUtf8(units))), Utf16ToUtf8(units));
        }
    }
}

} // namespace
} // namespace lorivex::platform
#endif
