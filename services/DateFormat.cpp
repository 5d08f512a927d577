#include "services/DateFormat.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "platform/CodePages.h"

namespace lorivex {
namespace {

using platform::DateTime;
using platform::FormatSettings;

// The author's pattern is level 1 and a format it brings in (c, t, tt,
// ddddd, dddddd) is level 2. Expansion stops there: a format that would
// bring in another one gets nothing for it, so formats that name each other
// cannot loop and the work stays linear in the pattern.
constexpr int kDeepestLevel = 2;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
bool IsLetter(char c) { return Lower(c) >= 'a' && Lower(c) <= 'z'; }
bool IsRunLetter(char lower) { return std::string_view("acdeghmnstyz").find(lower) != std::string_view::npos; }

enum class Kind {
    Text,          // copied as it stands
    Letters,       // copied, but being letters they end what an h run reaches
    DateSeparator,
    TimeSeparator,
    Run,           // a run of one letter (any case); Length is the count
    AmPm,          // "am/pm" as the pattern writes it
    AP,            // "a/p"
    LocaleAmPm,    // "ampm"
};

struct Token {
    Kind What;
    char Letter; // lower case, for runs
    std::size_t Begin, Length;
};

bool IsMarker(Kind k) { return k == Kind::AmPm || k == Kind::AP || k == Kind::LocaleAmPm; }

bool StartsWithAnyCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (Lower(text[at + k]) != word[k])
            return false;
    return true;
}

std::vector<Token> Tokenize(std::string_view p)
{
    std::vector<Token> tokens;
    const std::size_t n = p.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = p[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = p.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? n : close;
            tokens.push_back({Kind::Text, 0, i + 1, end - i - 1});
            i = close == std::string_view::npos ? n : close + 1;
        } else if (c == '/') {
            tokens.push_back({Kind::DateSeparator, 0, i++, 1});
        } else if (c == ':') {
            tokens.push_back({Kind::TimeSeparator, 0, i++, 1});
        } else if (!IsLetter(c)) {
            // The second byte of an East Asian character can look like an
            // ASCII letter; it belongs to the character, not to the pattern.
            std::size_t length = 1;
            if (static_cast<unsigned char>(c) >= 0x80 && i + 1 < n && platform::IsAnsiLeadByte(c))
                length = 2;
            tokens.push_back({Kind::Text, 0, i, length});
            i += length;
        } else if (StartsWithAnyCase(p, i, "am/pm")) {
            tokens.push_back({Kind::AmPm, 0, i, 5});
            i += 5;
        } else if (StartsWithAnyCase(p, i, "a/p")) {
            tokens.push_back({Kind::AP, 0, i, 3});
            i += 3;
        } else if (StartsWithAnyCase(p, i, "ampm")) {
            tokens.push_back({Kind::LocaleAmPm, 0, i, 4});
            i += 4;
        } else {
            const char letter = Lower(c);
            std::size_t j = i;
            while (j < n && Lower(p[j]) == letter)
                ++j;
            // One or two a are plain letters; the next a may still open a
            // marker ("aam/pm").
            if (letter == 'a' && j - i < 3)
                j = i + 1;
            const bool run = IsRunLetter(letter) && !(letter == 'a' && j - i < 3);
            tokens.push_back({run ? Kind::Run : Kind::Letters, letter, i, j - i});
            i = j;
        }
    }
    return tokens;
}

void AppendNumber(std::string& out, long long value, int minDigits)
{
    if (value < 0) {
        out += '-';
        value = -value;
    }
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    for (auto length = result.ptr - digits; length < minDigits; ++length)
        out += '0';
    out.append(digits, result.ptr);
}

// Sunday is 0. Any field values are accepted: a month out of range rolls
// over into the neighbouring years rather than failing.
int DayOfWeek(const DateTime& t)
{
    const long long months = static_cast<long long>(t.Year) * 12 + (static_cast<long long>(t.Month) - 1);
    long long y = months >= 0 ? months / 12 : -((-months + 11) / 12);
    const long long m = months - y * 12 + 1;
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = era * 146097 + dayOfEra - 719468 + (static_cast<long long>(t.Day) - 1);
    return static_cast<int>(((days + 4) % 7 + 7) % 7); // 1970-01-01 was a Thursday
}

template <std::size_t N>
const std::string& NameAt(const std::array<std::string, N>& names, long long index)
{
    static const std::string none;
    return index >= 0 && index < static_cast<long long>(N) ? names[index] : none;
}

class Formatter {
public:
    Formatter(const DateTime& t, const FormatSettings& fs, std::string& out) : t_(t), fs_(fs), out_(out) {}

    void Format(std::string_view pattern, int level)
    {
        if (pattern.empty())
            pattern = "c";
        const std::vector<Token> tokens = Tokenize(pattern);
        // The hour counts to 12 only where a marker stands later in the same
        // pattern; the index of the last marker answers that for every hour.
        std::size_t lastMarker = 0;
        bool anyMarker = false;
        for (std::size_t k = 0; k < tokens.size(); ++k)
            if (IsMarker(tokens[k].What)) {
                lastMarker = k;
                anyMarker = true;
            }
        bool afterHour = false; // no letter since the last h run
        for (std::size_t k = 0; k < tokens.size(); ++k) {
            const Token& token = tokens[k];
            const std::string_view text = pattern.substr(token.Begin, token.Length);
            switch (token.What) {
            case Kind::Text: out_ += text; continue;
            case Kind::DateSeparator: out_ += fs_.DateSeparator; continue;
            case Kind::TimeSeparator: out_ += fs_.TimeSeparator; continue;
            case Kind::Letters: out_ += text; break;
            case Kind::AmPm: out_ += text.substr(IsPm() ? 3 : 0, 2); break;
            case Kind::AP: out_ += text[IsPm() ? 2 : 0]; break;
            case Kind::LocaleAmPm: out_ += IsPm() ? fs_.TimePMString : fs_.TimeAMString; break;
            case Kind::Run:
                if (token.Letter == 'h') {
                    Hour(token.Length, anyMarker && lastMarker > k);
                    afterHour = true;
                    continue;
                }
                Run(token.Letter, token.Length, level, afterHour);
                break;
            }
            afterHour = false;
        }
    }

private:
    bool IsPm() const { return t_.Hour >= 12; }

    void Expand(const std::string& format, int level)
    {
        if (level < kDeepestLevel)
            Format(format, level + 1);
    }

    void Hour(std::size_t count, bool twelveHour)
    {
        long long hour = t_.Hour;
        if (twelveHour) {
            hour = (hour % 12 + 12) % 12;
            if (hour == 0)
                hour = 12;
        }
        AppendNumber(out_, hour, count >= 2 ? 2 : 1);
    }

    void Run(char letter, std::size_t count, int level, bool afterHour)
    {
        const int padded = count >= 2 ? 2 : 1;
        switch (letter) {
        case 'd':
            if (count <= 2)
                AppendNumber(out_, t_.Day, padded);
            else if (count == 3)
                out_ += NameAt(fs_.ShortDayNames, DayOfWeek(t_));
            else if (count == 4)
                out_ += NameAt(fs_.LongDayNames, DayOfWeek(t_));
            else
                Expand(count == 5 ? fs_.ShortDateFormat : fs_.LongDateFormat, level);
            break;
        case 'a': // only runs of three or more get here
            out_ += NameAt(count == 3 ? fs_.ShortDayNames : fs_.LongDayNames, DayOfWeek(t_));
            break;
        case 'm':
            // After an hour, m and mm are the minute; three or more m are
            // always a month name, as a minute has no name.
            if (afterHour && count <= 2)
                AppendNumber(out_, t_.Minute, padded);
            else if (count <= 2)
                AppendNumber(out_, t_.Month, padded);
            else
                out_ += NameAt(count == 3 ? fs_.ShortMonthNames : fs_.LongMonthNames,
                               static_cast<long long>(t_.Month) - 1);
            break;
        case 'y':
            if (count <= 2)
                AppendNumber(out_, (t_.Year < 0 ? -static_cast<long long>(t_.Year) : t_.Year) % 100, 2);
            else
                AppendNumber(out_, t_.Year, 4);
            break;
        case 'n': AppendNumber(out_, t_.Minute, padded); break;
        case 's': AppendNumber(out_, t_.Second, padded); break;
        case 'z': AppendNumber(out_, t_.Millisecond, count >= 2 ? 3 : 1); break;
        case 't': Expand(count == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, level); break;
        case 'c':
            // Where expansion has stopped, c brings in nothing at all, its
            // blank included.
            if (level >= kDeepestLevel)
                break;
            for (std::size_t k = 0; k < count; ++k) {
                Expand(fs_.ShortDateFormat, level);
                if (t_.Hour != 0 || t_.Minute != 0 || t_.Second != 0 || t_.Millisecond != 0) {
                    out_ += ' ';
                    Expand(fs_.LongTimeFormat, level);
                }
            }
            break;
        // Eras: FormatSettings describes no locale that counts them, and in
        // the Gregorian calendar the era year is the year and the era name
        // is left out. e is the year as it is, ee and more at least two
        // digits, as the era year of an era calendar would be.
        case 'e': AppendNumber(out_, t_.Year, padded); break;
        case 'g': break;
        default: break;
        }
    }

    const DateTime& t_;
    const FormatSettings& fs_;
    std::string& out_;
};

} // namespace

std::string FormatDateTime(const std::string& pattern, const platform::DateTime& t,
                           const platform::FormatSettings& fs)
{
    std::string out;
    Formatter(t, fs, out).Format(pattern, 1);
    return out;
}

std::string FormatDateTime(const std::string& pattern, const platform::DateTime& t)
{
    return FormatDateTime(pattern, t, platform::UserFormatSettings());
}

} // namespace lorivex
