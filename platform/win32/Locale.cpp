#include "platform/Locale.h"

#include "platform/win32/LocalePictures.h"
#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

using win32::Narrow;

namespace {

// Empty when the locale has no such item.
std::wstring LocaleText(LCID locale, LCTYPE item)
{
    int size = GetLocaleInfoW(locale, item, nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring text(size_t(size), L'\0');
    size = GetLocaleInfoW(locale, item, text.data(), size);
    text.resize(size > 0 ? size_t(size - 1) : 0); // the count includes the terminator
    return text;
}

std::string Text(LCTYPE item)
{
    return Narrow(LocaleText(LOCALE_USER_DEFAULT, item));
}

std::string Pattern(LCTYPE item)
{
    return Narrow(win32::PictureToPattern(LocaleText(LOCALE_USER_DEFAULT, item)));
}

} // namespace

unsigned UserDefaultLangId()
{
    return GetUserDefaultLangID();
}

std::string LanguageName(unsigned langId)
{
    // Ids of the neutral language stand for "the user's" or "the system's"
    // locale to GetLocaleInfo, which would then name some other language.
    if (langId > 0xFFFF || PRIMARYLANGID(langId) == LANG_NEUTRAL)
        return {};
    LCID locale = MAKELCID(langId, SORT_DEFAULT);
    if (!IsValidLocale(locale, LCID_SUPPORTED))
        return {};
    // English whatever the user interface's language, as on the POSIX side,
    // so that the names can be compared and stored.
    return Narrow(LocaleText(locale, LOCALE_SENGLISHDISPLAYNAME));
}

FormatSettings UserFormatSettings()
{
    FormatSettings settings;
    settings.ShortDateFormat = Pattern(LOCALE_SSHORTDATE);
    settings.LongDateFormat = Pattern(LOCALE_SLONGDATE);
    settings.LongTimeFormat = Pattern(LOCALE_STIMEFORMAT);
    settings.ShortTimeFormat = Pattern(LOCALE_SSHORTTIME);
    if (settings.ShortTimeFormat.empty())
        settings.ShortTimeFormat = settings.LongTimeFormat;
    settings.DateSeparator = Text(LOCALE_SDATE);
    settings.TimeSeparator = Text(LOCALE_STIME);
    settings.TimeAMString = Text(LOCALE_S1159);
    settings.TimePMString = Text(LOCALE_S2359);
    for (int month = 0; month < 12; ++month) {
        settings.ShortMonthNames[month] = Text(LOCALE_SABBREVMONTHNAME1 + month);
        settings.LongMonthNames[month] = Text(LOCALE_SMONTHNAME1 + month);
    }
    // Windows counts the days from Monday, we from Sunday.
    for (int day = 0; day < 7; ++day) {
        int windowsDay = (day + 6) % 7;
        settings.ShortDayNames[day] = Text(LOCALE_SABBREVDAYNAME1 + windowsDay);
        settings.LongDayNames[day] = Text(LOCALE_SDAYNAME1 + windowsDay);
    }
    return settings;
}

} // namespace lorivex::platform
