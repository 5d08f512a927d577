#include "platform/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/CodePages.h"
#include "platform/LanguageNames.h"
#include "platform/posix/LocaleEnvironment.h"

namespace lorivex::platform {
namespace {

// Windows' user locale is one setting for both the language and the formats;
// here the locale that supplies the formats stands for it.
constexpr const char* kUserLocaleCategory = "LC_TIME";
constexpr unsigned kEnglishUnitedStates = 0x409;

FormatSettings EnglishUnitedStates()
{
    return FormatSettings{
        .ShortDateFormat = "m/d/yyyy",
        .LongDateFormat = "dddd, mmmm d, yyyy",
        .ShortTimeFormat = "h:nn ampm",
        .LongTimeFormat = "h:nn:ss ampm",
        .DateSeparator = "/",
        .TimeSeparator = ":",
        .TimeAMString = "AM",
        .TimePMString = "PM",
        .ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                            "Nov", "Dec"},
        .LongMonthNames = {"January", "February", "March", "April", "May", "June", "July",
                           "August", "September", "October", "November", "December"},
        .ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
        .LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                         "Saturday"},
    };
}

// The C library's LC_TIME data of one locale, handed out as UTF-8.
class TimeData {
public:
    explicit TimeData(const std::string& localeName)
        : locale_(newlocale(LC_CTYPE_MASK | LC_TIME_MASK, localeName.c_str(), locale_t(nullptr)))
    {
        if (locale_)
            charset_ = nl_langinfo_l(CODESET, locale_);
    }
    ~TimeData()
    {
        if (locale_)
            freelocale(locale_);
    }
    TimeData(const TimeData&) = delete;
    TimeData& operator=(const TimeData&) = delete;

    bool Loaded() const { return locale_ != locale_t(nullptr); }
    std::string Get(nl_item item) const
    {
        return posix::CharsetToUtf8(nl_langinfo_l(item, locale_), charset_);
    }

private:
    locale_t locale_;
    std::string charset_;
};

// A date or time format on its way from strftime's directives to our
// pattern language.
enum class Part {
    Literal,
    Day, DayPadded, DayShortName, DayLongName,
    Month, MonthPadded, MonthShortName, MonthLongName,
    Year2, Year4,
    Hour, HourPadded, Minute, MinutePadded, Second, SecondPadded,
    AmPm,
    Unsupported, // time zones, week numbers and the like: the patterns have no word for them
};

struct Piece {
    Part Kind;
    std::string Text; // literals only, UTF-8
};
using Pieces = std::vector<Piece>;

bool IsDateNumber(Part p)
{
    return p == Part::Day || p == Part::DayPadded || p == Part::Month || p == Part::MonthPadded
           || p == Part::Year2 || p == Part::Year4;
}
bool IsHour(Part p) { return p == Part::Hour || p == Part::HourPadded; }
bool IsMinute(Part p) { return p == Part::Minute || p == Part::MinutePadded; }
bool IsSecond(Part p) { return p == Part::Second || p == Part::SecondPadded; }
bool IsTimePart(Part p)
{
    return IsHour(p) || IsMinute(p) || IsSecond(p) || p == Part::AmPm || p == Part::Unsupported;
}

void AddLiteral(Pieces& pieces, std::string_view text)
{
    if (text.empty())
        return;
    if (!pieces.empty() && pieces.back().Kind == Part::Literal)
        pieces.back().Text += text;
    else
        pieces.push_back({Part::Literal, std::string(text)});
}

void ParseStrftime(std::string_view format, const TimeData& data, Pieces& out, int depth = 0)
{
    // %x inside D_FMT and the like would otherwise recurse without end.
    if (depth > 3)
        return;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            AddLiteral(out, format.substr(i, 1));
            continue;
        }
        // Flags: "-" and "_" take the leading zero away; "0", "^" and "#"
        // change nothing a pattern can say.
        bool unpadded = false;
        while (i + 1 < format.size() && std::string_view("-_0^#").find(format[i + 1]) != std::string_view::npos) {
            ++i;
            unpadded |= format[i] == '-' || format[i] == '_';
        }
        while (i + 1 < format.size()
               && ((format[i + 1] >= '0' && format[i + 1] <= '9') || format[i + 1] == 'E'
                   || format[i + 1] == 'O'))
            ++i;
        if (++i >= format.size())
            break;
        auto add = [&](Part padded, Part plain) { out.push_back({unpadded ? plain : padded, {}}); };
        auto expand = [&](std::string_view sub) { ParseStrftime(sub, data, out, depth + 1); };
        switch (format[i]) {
        case 'd': add(Part::DayPadded, Part::Day); break;
        case 'e': add(Part::Day, Part::Day); break;
        case 'm': add(Part::MonthPadded, Part::Month); break;
        case 'b':
        case 'h': add(Part::MonthShortName, Part::MonthShortName); break;
        case 'B': add(Part::MonthLongName, Part::MonthLongName); break;
        case 'a': add(Part::DayShortName, Part::DayShortName); break;
        case 'A': add(Part::DayLongName, Part::DayLongName); break;
        case 'y': add(Part::Year2, Part::Year2); break;
        case 'Y': add(Part::Year4, Part::Year4); break;
        case 'H':
        case 'I': add(Part::HourPadded, Part::Hour); break;
        case 'k':
        case 'l': add(Part::Hour, Part::Hour); break;
        case 'M': add(Part::MinutePadded, Part::Minute); break;
        case 'S': add(Part::SecondPadded, Part::Second); break;
        case 'p':
        case 'P': add(Part::AmPm, Part::AmPm); break;
        case 'T': expand("%H:%M:%S"); break;
        case 'R': expand("%H:%M"); break;
        case 'D': expand("%m/%d/%y"); break;
        case 'F': expand("%Y-%m-%d"); break;
        case 'r': {
            std::string ampm = data.Get(T_FMT_AMPM);
            expand(ampm.empty() ? "%I:%M:%S %p" : ampm);
            break;
        }
        case 'x': expand(data.Get(D_FMT)); break;
        case 'X': expand(data.Get(T_FMT)); break;
        case 'n':
        case 't': AddLiteral(out, " "); break;
        case '%': AddLiteral(out, "%"); break;
        default: add(Part::Unsupported, Part::Unsupported); break;
        }
    }
}

Pieces Parse(std::string_view format, const TimeData& data)
{
    Pieces pieces;
    ParseStrftime(format, data, pieces);
    return pieces;
}

const char* PatternFor(Part p)
{
    switch (p) {
    case Part::Day: return "d";
    case Part::DayPadded: return "dd";
    case Part::DayShortName: return "ddd";
    case Part::DayLongName: return "dddd";
    case Part::Month: return "m";
    case Part::MonthPadded: return "mm";
    case Part::MonthShortName: return "mmm";
    case Part::MonthLongName: return "mmmm";
    case Part::Year2: return "yy";
    case Part::Year4: return "yyyy";
    case Part::Hour: return "h";
    case Part::HourPadded: return "hh";
    case Part::Minute: return "n";
    case Part::MinutePadded: return "nn";
    case Part::Second: return "s";
    case Part::SecondPadded: return "ss";
    case Part::AmPm: return "ampm";
    default: return "";
    }
}

bool NeedsQuotes(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '/' || c == ':' || c == '"'
           || u >= 0x80;
}

// Letters and the characters that mean something in a pattern go between
// apostrophes, as Windows writes its own formats; an apostrophe itself goes
// between double quotes.
void AppendQuoted(std::string& out, std::string_view text)
{
    bool open = false;
    for (char c : text) {
        const bool quote = NeedsQuotes(c);
        if (open && !quote) {
            out += '\'';
            open = false;
        }
        if (c == '\'') {
            out += "\"'\"";
        } else {
            if (quote && !open) {
                out += '\'';
                open = true;
            }
            out += c;
        }
    }
    if (open)
        out += '\'';
}

// SEPARATOR, where a literal is exactly the locale's separator, is written as
// its pattern character, so the format follows the settings it sits in.
std::string Render(const Pieces& pieces, std::string_view separator, const char* separatorToken)
{
    std::string out;
    for (const Piece& piece : pieces) {
        if (piece.Kind == Part::Literal) {
            if (!separator.empty() && piece.Text == separator)
                out += separatorToken;
            else
                AppendQuoted(out, piece.Text);
            continue;
        }
        std::string_view token = PatternFor(piece.Kind);
        if (token.empty())
            continue;
        // "%d%d" must not turn into one run of four d.
        if (!out.empty() && (out.back() | 0x20) == token.front())
            out += "''";
        out += token;
    }
    return out;
}

std::string SeparatorBetween(const Pieces& pieces, bool (*first)(Part), bool (*second)(Part),
                             std::string_view fallback)
{
    for (std::size_t i = 0; i + 2 < pieces.size(); ++i) {
        if (!first(pieces[i].Kind))
            continue;
        const Piece& between = pieces[i + 1];
        if (between.Kind != Part::Literal || !second(pieces[i + 2].Kind))
            break;
        const std::string& t = between.Text;
        const bool plain = t.size() <= 3 && std::none_of(t.begin(), t.end(), [](char c) {
                               return NeedsQuotes(c) || c == '\'' || (c >= '0' && c <= '9');
                           });
        return plain ? t : std::string(fallback);
    }
    return std::string(fallback);
}

void TrimSpaces(std::string& s)
{
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
}

// Merges literals that have become neighbours and drops the empty ones.
Pieces Tidy(const Pieces& pieces)
{
    Pieces out;
    for (const Piece& piece : pieces) {
        if (piece.Kind == Part::Literal)
            AddLiteral(out, piece.Text);
        else
            out.push_back(piece);
    }
    for (Piece& piece : out)
        if (piece.Kind == Part::Literal && piece.Text.find_first_not_of(' ') == std::string::npos)
            piece.Text.assign(1, ' ');
    if (!out.empty() && out.back().Kind == Part::Literal) {
        TrimSpaces(out.back().Text);
        if (out.back().Text.empty())
            out.pop_back();
    }
    return out;
}

// The short time is the long time without its seconds. Where the seconds
// carry a unit word after them (Japanese, Korean) the word goes with them;
// otherwise the separator in front of them does.
Pieces WithoutSeconds(Pieces pieces)
{
    auto it = std::find_if(pieces.begin(), pieces.end(), [](const Piece& p) { return IsSecond(p.Kind); });
    if (it == pieces.end())
        return pieces;
    auto next = it + 1;
    if (next != pieces.end() && next->Kind == Part::Literal && !next->Text.empty()
        && static_cast<unsigned char>(next->Text[0]) >= 0x80) {
        std::size_t end = next->Text.find(' ');
        next->Text.erase(0, end == std::string::npos ? next->Text.size() : end);
        pieces.erase(it);
    } else if (it != pieces.begin() && (it - 1)->Kind == Part::Literal) {
        pieces.erase(it - 1, it + 1);
    } else {
        pieces.erase(it);
    }
    return Tidy(pieces);
}

Part LongDateForm(Part p)
{
    switch (p) {
    case Part::DayPadded: return Part::Day;
    case Part::DayShortName: return Part::DayLongName;
    case Part::MonthPadded: return Part::Month;
    case Part::MonthShortName: return Part::MonthLongName;
    case Part::Year2: return Part::Year4;
    default: return p;
    }
}

// POSIX has no long date format. The format date(1) prints is the closest
// the C library has (it knows where the locale puts the day name and whether
// a day number takes a full stop), so the long date is that format with the
// time taken out and names and numbers written in full.
Pieces LongDateFrom(const Pieces& dateCommand)
{
    Pieces out;
    bool anyKept = false;
    bool droppedSinceKept = false;
    bool literalTaken = false; // the literal right after the last kept field
    bool abbreviated = false;  // the last kept field was a short name
    for (Piece piece : dateCommand) {
        if (piece.Kind == Part::Literal) {
            // The full stop that marks an abbreviation ("%b.") goes with it.
            if (abbreviated && !literalTaken && piece.Text.front() == '.')
                piece.Text.erase(0, 1);
            if (!anyKept && !droppedSinceKept)
                AddLiteral(out, piece.Text);
            else if (anyKept && !literalTaken) {
                AddLiteral(out, piece.Text);
                literalTaken = true;
            } else if (anyKept && !droppedSinceKept) {
                AddLiteral(out, piece.Text);
            }
            continue;
        }
        if (IsTimePart(piece.Kind)) {
            droppedSinceKept = true;
            literalTaken = true;
            continue;
        }
        out.push_back({LongDateForm(piece.Kind), {}});
        abbreviated = piece.Kind == Part::MonthShortName || piece.Kind == Part::DayShortName;
        anyKept = true;
        droppedSinceKept = false;
        literalTaken = false;
    }
    // What stood between the last date field and the time that followed it
    // belongs to the time ("2024, 14:00"), except a closing bracket or a
    // unit word that ends the date itself.
    if (droppedSinceKept && !out.empty() && out.back().Kind == Part::Literal) {
        std::string& tail = out.back().Text;
        std::size_t lead = tail.find_first_not_of(' ');
        std::size_t end = lead == std::string::npos ? std::string::npos : tail.find(' ', lead);
        tail = lead == std::string::npos ? std::string() : tail.substr(lead, end - lead);
        while (!tail.empty() && std::string_view(",;:-").find(tail.back()) != std::string_view::npos)
            tail.pop_back();
    }
    return Tidy(out);
}

bool HasAll(const Pieces& pieces, std::initializer_list<std::initializer_list<Part>> groups)
{
    return std::all_of(groups.begin(), groups.end(), [&](auto group) {
        return std::any_of(pieces.begin(), pieces.end(), [&](const Piece& p) {
            return std::find(group.begin(), group.end(), p.Kind) != group.end();
        });
    });
}

FormatSettings FromLocaleData(const TimeData& data)
{
    FormatSettings s;
    // Month names in the form they take after a day number ("1 января"),
    // as dates are where the patterns mostly use them.
    for (int i = 0; i < 12; ++i) {
        s.ShortMonthNames[i] = data.Get(ABMON_1 + i);
        s.LongMonthNames[i] = data.Get(MON_1 + i);
    }
    for (int i = 0; i < 7; ++i) {
        s.ShortDayNames[i] = data.Get(ABDAY_1 + i);
        s.LongDayNames[i] = data.Get(DAY_1 + i);
    }
    s.TimeAMString = data.Get(AM_STR);
    s.TimePMString = data.Get(PM_STR);

    std::string dateFormat = data.Get(D_FMT);
    std::string timeFormat = data.Get(T_FMT);
    Pieces shortDate = Parse(dateFormat.empty() ? "%m/%d/%y" : dateFormat, data);
    Pieces longTime = Parse(timeFormat.empty() ? "%H:%M:%S" : timeFormat, data);
    Pieces longDate = LongDateFrom(Parse(data.Get(_DATE_FMT), data));
    const auto day = {Part::Day};
    const auto month = {Part::Month, Part::MonthLongName};
    const auto year = {Part::Year4};
    if (!HasAll(longDate, {day, month, year})) {
        longDate = shortDate;
        for (Piece& p : longDate)
            p.Kind = LongDateForm(p.Kind);
    }

    s.DateSeparator = SeparatorBetween(shortDate, IsDateNumber, IsDateNumber, "/");
    s.TimeSeparator = SeparatorBetween(longTime, IsHour, IsMinute, ":");
    s.ShortDateFormat = Render(shortDate, s.DateSeparator, "/");
    s.LongDateFormat = Render(longDate, {}, "");
    s.LongTimeFormat = Render(longTime, s.TimeSeparator, ":");
    s.ShortTimeFormat = Render(WithoutSeconds(longTime), s.TimeSeparator, ":");
    return s;
}

FormatSettings InAnsi(FormatSettings s)
{
    // Some locales pad short names to a common width (" 1月").
    auto convert = [](std::string& text, bool trim) {
        if (trim)
            TrimSpaces(text);
        text = Utf8ToAnsi(text);
    };
    for (std::string* text : {&s.ShortDateFormat, &s.LongDateFormat, &s.ShortTimeFormat,
                              &s.LongTimeFormat, &s.DateSeparator, &s.TimeSeparator})
        convert(*text, false);
    convert(s.TimeAMString, true);
    convert(s.TimePMString, true);
    for (auto* names : {&s.ShortMonthNames, &s.LongMonthNames})
        for (std::string& name : *names)
            convert(name, true);
    for (auto* names : {&s.ShortDayNames, &s.LongDayNames})
        for (std::string& name : *names)
            convert(name, true);
    return s;
}

} // namespace

unsigned UserDefaultLangId()
{
    // A language the table does not know gets the id every help compiler
    // accepts rather than one it would reject.
    const WindowsLanguage* language =
        FindLanguageForLocale(posix::LocaleNameFor(kUserLocaleCategory));
    return language ? language->LangId : kEnglishUnitedStates;
}

std::string LanguageName(unsigned langId)
{
    const WindowsLanguage* language = FindLanguage(langId);
    return language ? Utf8ToAnsi(language->EnglishName) : std::string();
}

FormatSettings UserFormatSettings()
{
    const std::string name = posix::LocaleNameFor(kUserLocaleCategory);
    // The C locale stands for Windows' own defaults, and English (United
    // States) is what those are; a locale that is not installed leaves the
    // C library in the C locale, so it gets them too.
    const LocaleNameParts parts = SplitLocaleName(name);
    if (IsCLocaleName(name) || (parts.Language == "en" && parts.Territory == "US"))
        return EnglishUnitedStates();
    TimeData data(name);
    if (!data.Loaded())
        return EnglishUnitedStates();
    return InAnsi(FromLocaleData(data));
}

} // namespace lorivex::platform
