#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/CodePages.h"
#include "platform/LanguageNames.h"
#include "services/DateFormat.h"

#ifndef _WIN32
#include "TestSupport.h"
#endif

namespace lorivex::platform {
namespace {

#ifndef _WIN32
// On POSIX the names come from our own table; Windows answers these itself
// (the seam tests check the one name the compile run shows most).
TEST(LanguageNamesTest, WindowsNamesForLanguageIds)
{
    EXPECT_EQ(LanguageName(0x409), "English (United States)");
    EXPECT_EQ(LanguageName(0x809), "English (United Kingdom)");
    EXPECT_EQ(LanguageName(0x407), "German (Germany)");
    EXPECT_EQ(LanguageName(0xC07), "German (Austria)");
    EXPECT_EQ(LanguageName(0x40C), "French (France)");
    EXPECT_EQ(LanguageName(0x419), "Russian (Russia)");
    EXPECT_EQ(LanguageName(0x411), "Japanese (Japan)");
    EXPECT_EQ(LanguageName(0x804), "Chinese (Simplified, PRC)");
    EXPECT_EQ(LanguageName(0x404), "Chinese (Traditional, Taiwan)");
}

TEST(LanguageNamesTest, UnknownIdsHaveNoName)
{
    for (unsigned id : {0x0u, 0x7Fu, 0x400u, 0x1234u, 0xFFFFu, 0x10409u})
        EXPECT_EQ(LanguageName(id), "") << std::hex << id;
}
#endif

TEST(LanguageNamesTest, TableIsConsistent)
{
    // Every locale name must lead back to its own entry, or a user of that
    // locale would get some other language's id.
    std::set<std::string> names;
    int entries = 0;
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        const WindowsLanguage* language = FindLanguage(id);
        if (!language)
            continue;
        ++entries;
        EXPECT_EQ(language->LangId, id);
        EXPECT_TRUE(names.insert(language->EnglishName).second) << language->EnglishName;
        if (language->PosixName) {
            const WindowsLanguage* back = FindLanguageForLocale(language->PosixName);
            ASSERT_NE(back, nullptr) << language->PosixName;
            EXPECT_EQ(back->LangId, id) << language->PosixName;
        }
    }
    EXPECT_GE(entries, 100);
}

TEST(LanguageNamesTest, LocaleNamesFindTheirLanguage)
{
    const std::pair<const char*, unsigned> cases[] = {
        {"en_US.UTF-8", 0x409}, {"en_GB", 0x809},     {"de_DE.ISO-8859-1", 0x407},
        {"de_AT@euro", 0xC07},  {"fr_FR", 0x40C},     {"ru_RU.KOI8-R", 0x419},
        {"ja_JP.eucJP", 0x411}, {"zh_CN.GB18030", 0x804}, {"zh_TW.Big5", 0x404},
        {"sr_RS", 0x281A},      {"sr_RS@latin", 0x241A}, {"uz_UZ@cyrillic", 0x843},
        {"no_NO", 0x414},       {"iw_IL", 0x40D},     {"tl_PH", 0x464},
        // A territory the table lacks falls back to the language's first entry.
        {"de_BE", 0x407},       {"de", 0x407},        {"pt", 0x416},  {"EN_us", 0x409},
    };
    for (const auto& [name, id] : cases) {
        const WindowsLanguage* language = FindLanguageForLocale(name);
        ASSERT_NE(language, nullptr) << name;
        EXPECT_EQ(language->LangId, id) << name;
    }
    for (const char* name : {"C", "POSIX", "C.UTF-8", "", "xx_YY", "eo"})
        EXPECT_EQ(FindLanguageForLocale(name), nullptr) << name;
}

#ifndef _WIN32
using test::ScopedEnv;

class LocaleTest : public ::testing::Test {
protected:
    // Starts from the C locale with no code page override.
    LocaleTest() { env.UseCLocale(); }
    ScopedEnv env;
    const DateTime afternoon{2024, 3, 5, 14, 7, 9, 0};

    // Reads the settings of a locale the C library must have installed.
    bool UseInstalled(const std::string& name)
    {
        if (!ScopedEnv::LocaleInstalled(name))
            return false;
        env.Set("LC_ALL", name);
        return true;
    }
};

TEST_F(LocaleTest, NamesInOtherCodePagesLoseWhatTheyCannotHold)
{
    EXPECT_EQ(LanguageName(0x414), "Norwegian, Bokm\xE5l (Norway)");
    env.Set("LORIVEX_ANSI_CODEPAGE", "1251");
    EXPECT_EQ(LanguageName(0x414), "Norwegian, Bokm?l (Norway)");
}

TEST_F(LocaleTest, UserLanguageFollowsTheFormatsLocale)
{
    EXPECT_EQ(UserDefaultLangId(), 0x409u); // C
    env.Set("LC_ALL", "xx_YY");
    EXPECT_EQ(UserDefaultLangId(), 0x409u);
    env.Unset("LC_ALL");
    env.Set("LANG", "de_DE");
    EXPECT_EQ(UserDefaultLangId(), 0x407u);
    env.Set("LC_CTYPE", "fr_FR");
    EXPECT_EQ(UserDefaultLangId(), 0x407u);
    env.Set("LC_TIME", "en_GB.UTF-8");
    EXPECT_EQ(UserDefaultLangId(), 0x809u);
    env.Set("LC_ALL", "ja_JP");
    EXPECT_EQ(UserDefaultLangId(), 0x411u);
}

TEST_F(LocaleTest, CLocaleGivesEnglishUnitedStatesDefaults)
{
    // en_US gets them whether installed or not, as its own data differs.
    for (const char* name : {"C", "POSIX", "C.UTF-8", "xx_YY.UTF-8", "en_US.UTF-8"}) {
        env.Set("LC_ALL", name);
        const FormatSettings s = UserFormatSettings();
        EXPECT_EQ(s.ShortDateFormat, "m/d/yyyy") << name;
        EXPECT_EQ(s.LongDateFormat, "dddd, mmmm d, yyyy");
        EXPECT_EQ(s.LongTimeFormat, "h:nn:ss ampm");
        EXPECT_EQ(s.ShortTimeFormat, "h:nn ampm");
        EXPECT_EQ(s.TimeAMString, "AM");
        EXPECT_EQ(s.TimePMString, "PM");
        EXPECT_EQ(s.DateSeparator, "/");
        EXPECT_EQ(s.TimeSeparator, ":");
        EXPECT_EQ(s.ShortMonthNames[0], "Jan");
        EXPECT_EQ(s.LongMonthNames[11], "December");
        EXPECT_EQ(s.ShortDayNames[0], "Sun");
        EXPECT_EQ(s.LongDayNames[6], "Saturday");
        EXPECT_EQ(FormatDateTime("dddddd t", afternoon, s), "Tuesday, March 5, 2024 2:07 PM");
    }
}

TEST_F(LocaleTest, GermanSettingsComeFromTheLocaleData)
{
    if (!UseInstalled("de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const FormatSettings s = UserFormatSettings();
    EXPECT_EQ(s.DateSeparator, ".");
    EXPECT_EQ(s.TimeSeparator, ":");
    EXPECT_EQ(s.LongMonthNames[2], "M\xE4rz"); // UTF-8 data, ANSI result
    EXPECT_EQ(s.LongDayNames[0], "Sonntag");
    EXPECT_EQ(s.TimeAMString, "");
    EXPECT_EQ(FormatDateTime(s.ShortDateFormat, afternoon, s), "05.03.2024");
    EXPECT_EQ(FormatDateTime(s.LongTimeFormat, afternoon, s), "14:07:09");
    EXPECT_EQ(FormatDateTime(s.ShortTimeFormat, afternoon, s), "14:07");
    const std::string longDate = FormatDateTime(s.LongDateFormat, afternoon, s);
    for (const char* part : {"Dienstag", "5", "M\xE4rz", "2024"})
        EXPECT_NE(longDate.find(part), std::string::npos) << longDate;
    EXPECT_EQ(longDate.find("14"), std::string::npos) << longDate;
}

TEST_F(LocaleTest, LegacyCharsetDataIsConverted)
{
    if (!UseInstalled("de_DE.ISO-8859-1"))
        GTEST_SKIP() << "de_DE.ISO-8859-1 is not installed";
    EXPECT_EQ(UserFormatSettings().LongMonthNames[2], "M\xE4rz");
}

TEST_F(LocaleTest, RussianNamesAreInCode1251)
{
    if (!UseInstalled("ru_RU.UTF-8"))
        GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    ASSERT_EQ(AnsiCodePage(), 1251u);
    const FormatSettings s = UserFormatSettings();
    EXPECT_EQ(AnsiToUtf16(s.ShortMonthNames[0]), u"\u044F\u043D\u0432");
    EXPECT_EQ(FormatDateTime("ddddd", afternoon, s), "05.03.2024");
}

TEST_F(LocaleTest, JapaneseFormatsQuoteTheirCharacters)
{
    if (!UseInstalled("ja_JP.UTF-8"))
        GTEST_SKIP() << "ja_JP.UTF-8 is not installed";
    ASSERT_EQ(AnsiCodePage(), 932u);
    const FormatSettings s = UserFormatSettings();
    EXPECT_EQ(AnsiToUtf16(FormatDateTime("ddddd tt", afternoon, s)),
              u"2024\u5E7403\u670805\u65E5 14\u664207\u520609\u79D2");
    EXPECT_EQ(AnsiToUtf16(FormatDateTime("t", afternoon, s)), u"14\u664207\u5206");
    EXPECT_EQ(AnsiToUtf16(s.TimePMString), u"\u5348\u5F8C");
    EXPECT_EQ(s.ShortMonthNames[0].front(), '1'); // the C library pads it
}
#endif

} // namespace
} // namespace lorivex::platform
