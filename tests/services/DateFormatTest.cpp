#include "services/DateFormat.h"

#include "platform/CodePages.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "TestSupport.h"
#endif

namespace lorivex {
namespace {

using platform::DateTime;
using platform::FormatSettings;

// Settings unlike any real locale's, so that every value shows where it
// came from: separators that are not the pattern's own characters, and
// distinct short and long names.
FormatSettings Settings()
{
    FormatSettings s;
    s.ShortDateFormat = "dd/mm/yyyy";
    s.LongDateFormat = "dddd d mmmm yyyy";
    s.ShortTimeFormat = "hh:nn";
    s.LongTimeFormat = "hh:nn:ss";
    s.DateSeparator = "-";
    s.TimeSeparator = ".";
    s.TimeAMString = "morning";
    s.TimePMString = "evening";
    s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    s.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    s.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    s.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return s;
}

const DateTime kAfternoon{2024, 3, 5, 14, 7, 9, 45}; // a Tuesday
const DateTime kMorning{2009, 11, 1, 9, 5, 3, 7};    // a Sunday
const DateTime kMidnight{2024, 3, 5, 0, 0, 0, 0};

std::string Format(const std::string& pattern, const DateTime& t = kAfternoon,
                   const FormatSettings& fs = Settings())
{
    return FormatDateTime(pattern, t, fs);
}

TEST(DateFormatTest, NumbersWithAndWithoutLeadingZeros)
{
    EXPECT_EQ(Format("d|dd|m|mm|y|yy|yyy|yyyy", kMorning), "1|01|11|11|09|09|2009|2009");
    EXPECT_EQ(Format("h|hh|n|nn|s|ss|z|zz|zzz", kMorning), "9|09|5|05|3|03|7|007|007");
    EXPECT_EQ(Format("yy", DateTime{2000, 1, 1}), "00");
    EXPECT_EQ(Format("yyyy", DateTime{987, 1, 1}), "0987");
}

TEST(DateFormatTest, LettersCountWithoutRegardToCase)
{
    EXPECT_EQ(Format("D/M/YYYY H:N:S", kMorning), "1-11-2009 9.5.3");
    EXPECT_EQ(Format("dD mMm Dddd", kMorning), "01 Nov Sunday");
}

TEST(DateFormatTest, DayAndMonthNames)
{
    EXPECT_EQ(Format("ddd dddd mmm mmmm mmmmmmm"), "Tue Tuesday Mar March March");
    EXPECT_EQ(Format("aaa aaaa"), "Tue Tuesday");
    EXPECT_EQ(Format("dddd", DateTime{1900, 1, 1}), "Monday");
    EXPECT_EQ(Format("dddd", DateTime{2000, 2, 29}), "Tuesday");
}

TEST(DateFormatTest, FormatsFromTheSettings)
{
    EXPECT_EQ(Format("ddddd"), "05-03-2024");
    EXPECT_EQ(Format("dddddd"), "Tuesday 5 March 2024");
    EXPECT_EQ(Format("ddddddddd"), "Tuesday 5 March 2024");
    EXPECT_EQ(Format("t"), "14.07");
    EXPECT_EQ(Format("tt"), "14.07.09");
    EXPECT_EQ(Format("c"), "05-03-2024 14.07.09");
}

TEST(DateFormatTest, CLeavesTheTimeOutOnlyAtExactMidnight)
{
    EXPECT_EQ(Format("c", kMidnight), "05-03-2024");
    DateTime oneMillisecondLater = kMidnight;
    oneMillisecondLater.Millisecond = 1;
    EXPECT_EQ(Format("c", oneMillisecondLater), "05-03-2024 00.00.00");
    EXPECT_EQ(Format("[c]", DateTime{2024, 3, 5, 0, 0, 1, 0}), "[05-03-2024 00.00.01]");
}

TEST(DateFormatTest, EmptyPatternCountsAsC)
{
    EXPECT_EQ(Format(""), "05-03-2024 14.07.09");
    EXPECT_EQ(Format("", kMidnight), "05-03-2024");
}

TEST(DateFormatTest, SeparatorsComeFromTheSettings)
{
    EXPECT_EQ(Format("yyyy/mm/dd hh:nn"), "2024-03-05 14.07");
    FormatSettings wide = Settings();
    wide.DateSeparator = ". ";
    wide.TimeSeparator = "";
    EXPECT_EQ(Format("d/m hh:nn", kAfternoon, wide), "5. 3 1407");
}

TEST(DateFormatTest, QuotedTextIsCopiedWithoutTheQuotes)
{
    EXPECT_EQ(Format("'dd/mm' \"hh:nn\""), "dd/mm hh:nn");
    EXPECT_EQ(Format("\"it's\" 'say \"hi\"'"), "it's say \"hi\"");
    EXPECT_EQ(Format("yyyy''mm\"\""), "202403");
    EXPECT_EQ(Format("yyyy 'mm/dd"), "2024 mm/dd");
    EXPECT_EQ(Format("yyyy \"mm"), "2024 mm");
}

TEST(DateFormatTest, OtherCharactersAreCopied)
{
    EXPECT_EQ(Format("[yyyy]#%,.;-_ 0123456789"), "[2024]#%,.;-_ 0123456789");
    EXPECT_EQ(Format("b f i j k l o p q r u v w x"), "b f i j k l o p q r u v w x");
    EXPECT_EQ(Format("a aa|X"), "a aa|X");
}

TEST(DateFormatTest, AmPmMarkersKeepTheirLetterCase)
{
    EXPECT_EQ(Format("am/pm AM/PM Am/pM a/p A/P ampm"), "pm PM pM p P evening");
    EXPECT_EQ(Format("am/pm AM/PM Am/pM a/p A/P AMPM", kMorning), "am AM Am a A morning");
    EXPECT_EQ(Format("am/pm", DateTime{2024, 3, 5, 12, 0}), "pm");
    EXPECT_EQ(Format("am/pm", DateTime{2024, 3, 5, 11, 59}), "am");
    // A marker may follow a lone a that is copied.
    EXPECT_EQ(Format("aam/pm"), "apm");
}

TEST(DateFormatTest, HourCountsToTwelveOnlyWhenAMarkerFollows)
{
    EXPECT_EQ(Format("h am/pm"), "2 pm");
    EXPECT_EQ(Format("hh a/p"), "02 p");
    EXPECT_EQ(Format("h ampm"), "2 evening");
    EXPECT_EQ(Format("h"), "14");
    EXPECT_EQ(Format("am/pm h"), "pm 14");
    EXPECT_EQ(Format("h am/pm h"), "2 pm 14");
    EXPECT_EQ(Format("h 'am/pm'"), "14 am/pm");
    EXPECT_EQ(Format("h \"ampm\""), "14 ampm");
    EXPECT_EQ(Format("h a/p", DateTime{2024, 3, 5, 0, 30}), "12 a");
    EXPECT_EQ(Format("h a/p", DateTime{2024, 3, 5, 12, 30}), "12 p");
}

TEST(DateFormatTest, MAfterAnHourIsTheMinute)
{
    EXPECT_EQ(Format("hh:mm"), "14.07");
    EXPECT_EQ(Format("h m"), "14 7");
    EXPECT_EQ(Format("hh/;-mm"), "14-;-07");
    EXPECT_EQ(Format("hh'text'mm"), "14text07"); // quoted letters do not count
    EXPECT_EQ(Format("hh x mm"), "14 x 03");      // a copied letter does
    EXPECT_EQ(Format("hh dd mm"), "14 05 03");
    EXPECT_EQ(Format("mm hh"), "03 14");
    EXPECT_EQ(Format("hh mmm"), "14 Mar");
    EXPECT_EQ(Format("hh:nn:mm"), "14.07.03");
}

TEST(DateFormatTest, HourStateStartsFreshInEachExpansion)
{
    FormatSettings fs = Settings();
    fs.ShortTimeFormat = "mm";    // the hour before it is in another pattern
    fs.LongTimeFormat = "h:mm";   // the hour is in the same pattern
    EXPECT_EQ(Format("hh t", kAfternoon, fs), "14 03");
    EXPECT_EQ(Format("tt", kAfternoon, fs), "14.07");
}

TEST(DateFormatTest, FormatsExpandTwoLevelsDeep)
{
    FormatSettings fs = Settings();
    fs.ShortDateFormat = "yyyy-mm-dd [t]";
    fs.ShortTimeFormat = "hh";
    fs.LongTimeFormat = "nn [c]";
    fs.LongDateFormat = "<dddddd|ddddd|tt>";
    // Level 2 expands; what level 2 would bring in contributes nothing.
    EXPECT_EQ(Format("ddddd", kAfternoon, fs), "2024-03-05 []");
    EXPECT_EQ(Format("tt", kAfternoon, fs), "07 []");
    EXPECT_EQ(Format("t", kAfternoon, fs), "14");
    EXPECT_EQ(Format("c", kAfternoon, fs), "2024-03-05 [] 07 []");
    EXPECT_EQ(Format("dddddd", kAfternoon, fs), "<||>");
    FormatSettings empty = Settings();
    empty.ShortDateFormat = "";
    EXPECT_EQ(Format("(ddddd)", kAfternoon, empty), "()");
}

TEST(DateFormatTest, ErasInTheGregorianCalendar)
{
    EXPECT_EQ(Format("e|ee|eee|g|gg|ggg"), "2024|2024|2024|||");
    EXPECT_EQ(Format("e|ee", DateTime{5, 1, 1}), "5|05");
}

TEST(DateFormatTest, OddValuesAndLongPatternsAreHandled)
{
    EXPECT_EQ(Format("mmm|mmmm|d|m", DateTime{2024, 13, 0}), "||0|13");
    EXPECT_EQ(Format("mmm", DateTime{2024, 0, 1}), "");
    EXPECT_EQ(Format("yy yyyy", DateTime{-44, 3, 15}), "44 -0044");
    EXPECT_NO_THROW(Format("dddd", DateTime{-2147483647 - 1, -2147483647 - 1, 2147483647}));

    // Each hour looks for a marker later on: done naively that is quadratic.
    std::string pattern;
    for (int i = 0; i < 50000; ++i)
        pattern += "h,";
    const std::string result = Format(pattern + "a/p");
    EXPECT_EQ(result.size(), 50000 * 2 + 1);
    EXPECT_EQ(result.substr(0, 4), "2,2,");
    EXPECT_EQ(Format(std::string(100000, 'c'), kMidnight).size(), 100000 * 10);
}

#ifndef _WIN32
TEST(DateFormatTest, DoubleByteCharactersAreNotReadAsLetters)
{
    test::ScopedEnv env;
    env.UseCLocale();
    env.Set("LORIVEX_ANSI_CODEPAGE", "932");
    if (platform::AnsiCodePage() != 932)
        GTEST_SKIP() << "iconv has no CP932";
    // "年" is 0x94 0x4E in code page 932: its second byte is an N.
    EXPECT_EQ(Format("yyyy\x94\x4E" "h"), "2024\x94\x4E" "14");
    EXPECT_EQ(Format("yyyy\x94"), "2024\x94");
}

TEST(DateFormatTest, UserSettingsAreUsedWhenNoneAreGiven)
{
    test::ScopedEnv env;
    env.UseCLocale();
    EXPECT_EQ(FormatDateTime("", kAfternoon), "3/5/2024 2:07:09 PM");
}
#endif

} // namespace
} // namespace lorivex
