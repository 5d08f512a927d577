#pragma once
// The user's locale: language and the data the date and time patterns use.
#include <array>
#include <string>

namespace lorivex::platform {

// Date and time conventions, with formats written in the pattern language of
// services/DateFormat.h (m for month, n for minute, ampm for the marker).
struct FormatSettings {
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::string DateSeparator;
    std::string TimeSeparator;
    std::string TimeAMString;
    std::string TimePMString;
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames; // Sunday first
    std::array<std::string, 7> LongDayNames;
};

unsigned UserDefaultLangId();           // 0x409 for English (United States)
std::string LanguageName(unsigned langId); // "English (United States)"; empty when unknown
FormatSettings UserFormatSettings();

} // namespace lorivex::platform
