#include "platform/CodePages.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/LanguageNames.h"
#include "platform/posix/LocaleEnvironment.h"

namespace lorivex::platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr unsigned kWestern = 1252;
constexpr unsigned kUtf8 = 65001;
const char* const kUtf16 =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

bool HasLoneSurrogate(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            ++i;
        else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i]))
            return true;
    }
    return false;
}

template <class Text>
bool IsAscii(const Text& text)
{
    return std::all_of(text.begin(), text.end(), [](auto c) {
        return static_cast<std::make_unsigned_t<typename Text::value_type>>(c) < 0x80;
    });
}

// ---------------------------------------------------------------- UTF-8

// Ill-formed input yields one U+FFFD per maximal ill-formed subsequence, the
// way browsers and Windows count them, so a stray byte never swallows the
// valid characters after it.
void AppendUtf8AsUtf16(std::string_view in, std::u16string& out)
{
    out.reserve(out.size() + in.size());
    std::size_t i = 0;
    const std::size_t n = in.size();
    while (i < n) {
        const unsigned char lead = static_cast<unsigned char>(in[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        int trail;
        char32_t cp;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trail = 2;
            cp = lead & 0x0F;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trail = 3;
            cp = lead & 0x07;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool complete = true;
        for (int k = 0; k < trail; ++k, ++j) {
            const unsigned char t = j < n ? static_cast<unsigned char>(in[j]) : 0;
            if (j >= n || t < low || t > high) {
                complete = false;
                break;
            }
            low = 0x80;
            high = 0xBF;
            cp = (cp << 6) | (t & 0x3F);
        }
        i = j;
        if (!complete) {
            out.push_back(kReplacement);
        } else if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
    }
}

void AppendUtf16AsUtf8(std::u16string_view in, std::string& out)
{
    out.reserve(out.size() + in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        char32_t cp = in[i];
        if (IsHighSurrogate(cp) && i + 1 < in.size() && IsLowSurrogate(in[i + 1])) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(cp) || IsLowSurrogate(cp)) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
}

// ---------------------------------------------------------------- iconv

class IconvDescriptor {
public:
    IconvDescriptor(const std::string& to, const std::string& from)
        : cd_(iconv_open(to.c_str(), from.c_str()))
    {
    }
    ~IconvDescriptor()
    {
        if (Valid())
            iconv_close(cd_);
    }
    IconvDescriptor(const IconvDescriptor&) = delete;
    IconvDescriptor& operator=(const IconvDescriptor&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }
    // Every conversion starts in the initial shift state, whatever the last
    // one on this descriptor left behind.
    void Reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd_;
};

// A descriptor holds conversion state, so threads cannot share one; opening
// one per call would cost more than most conversions.
IconvDescriptor* ThreadDescriptor(const std::string& to, const std::string& from)
{
    struct Entry {
        std::string To, From;
        std::unique_ptr<IconvDescriptor> Descriptor;
    };
    constexpr std::size_t kMaxEntries = 16;
    thread_local std::vector<Entry> cache;
    auto it = std::find_if(cache.begin(), cache.end(),
                           [&](const Entry& e) { return e.To == to && e.From == from; });
    if (it == cache.end()) {
        if (cache.size() >= kMaxEntries)
            cache.erase(cache.begin());
        cache.push_back({to, from, std::make_unique<IconvDescriptor>(to, from)});
        it = cache.end() - 1;
    }
    if (!it->Descriptor->Valid())
        return nullptr;
    it->Descriptor->Reset();
    return it->Descriptor.get();
}

// Runs IN through CD and appends the result to OUT, whose elements are the
// target's code units. Where the input holds something the conversion cannot
// take, STANDIN appends its replacement to OUT and returns how many input
// bytes to step over (told whether the input merely ended too early).
template <class Out, class StandIn>
void RunIconv(IconvDescriptor& cd, std::string_view in, Out& out, StandIn standIn)
{
    using Unit = typename Out::value_type;
    std::size_t used = out.size();
    out.resize(used + in.size() + 8);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    for (;;) {
        const bool flushing = inLeft == 0;
        char* outPtr = reinterpret_cast<char*>(out.data() + used);
        std::size_t outLeft = (out.size() - used) * sizeof(Unit);
        const std::size_t room = outLeft;
        const std::size_t result = flushing
                                       ? iconv(cd.Get(), nullptr, nullptr, &outPtr, &outLeft)
                                       : iconv(cd.Get(), &inPtr, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        used += (room - outLeft) / sizeof(Unit);
        if (result != static_cast<std::size_t>(-1)) {
            if (flushing)
                break;
            continue;
        }
        if (error == E2BIG) {
            out.resize(out.size() * 2 + 8);
            continue;
        }
        if (flushing || (error != EILSEQ && error != EINVAL))
            break;
        out.resize(used);
        std::size_t skip = standIn(std::string_view(inPtr, inLeft), error == EINVAL, out);
        skip = std::clamp<std::size_t>(skip, 1, inLeft);
        inPtr += skip;
        inLeft -= skip;
        used = out.size();
        out.resize(used + inLeft + 8);
    }
    out.resize(used);
}

// ---------------------------------------------------------------- code pages

// What the conversions need to know of one code page. Single-byte code pages
// convert through tables built once from iconv: that is fast, and it lets the
// bytes a Windows code page leaves undefined travel as the C1 controls of the
// same value, as Windows has them, instead of being lost.
struct CodePage {
    unsigned Number = 0;
    std::string Charset; // the name iconv knows it by
    bool Usable = false;
    bool AsciiTransparent = false;
    bool SingleByte = false;
    bool Utf8 = false;
    std::array<bool, 256> LeadByte{};
    std::array<char16_t, 256> ToUnicode{};
    std::vector<std::pair<char16_t, unsigned char>> FromUnicode; // sorted, bytes >= 0x80
};

std::shared_ptr<const CodePage> BuildCodePage(unsigned number, const std::string& charset)
{
    auto page = std::make_shared<CodePage>();
    page->Number = number;
    page->Charset = charset;
    IconvDescriptor decoder(kUtf16, charset);
    if (!decoder.Valid())
        return page;
    page->Usable = true;
    page->Utf8 = number == kUtf8;
    bool ascii = true;
    bool multiByte = false;
    for (unsigned b = 0; b < 256; ++b) {
        decoder.Reset();
        char byte = char(b);
        std::array<char16_t, 4> units{};
        char* inPtr = &byte;
        std::size_t inLeft = 1;
        char* outPtr = reinterpret_cast<char*>(units.data());
        std::size_t outLeft = sizeof units;
        std::size_t result = iconv(decoder.Get(), &inPtr, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        // Some decoders (Vietnamese) hold a letter back for a combining mark.
        if (result != static_cast<std::size_t>(-1))
            result = iconv(decoder.Get(), nullptr, nullptr, &outPtr, &outLeft);
        const std::size_t produced = (sizeof units - outLeft) / sizeof(char16_t);
        const bool incomplete = result == static_cast<std::size_t>(-1) && error == EINVAL;
        const bool defined = result != static_cast<std::size_t>(-1) && produced == 1;
        if (incomplete) {
            multiByte = true;
            page->LeadByte[b] = !page->Utf8;
        }
        if (b < 0x80 && !(defined && units[0] == b))
            ascii = false;
        if (defined)
            page->ToUnicode[b] = units[0];
        else
            page->ToUnicode[b] = b >= 0x80 && b <= 0x9F ? char16_t(b) : kReplacement;
    }
    page->AsciiTransparent = ascii;
    page->SingleByte = !multiByte;
    if (page->SingleByte) {
        for (unsigned b = 0x80; b < 256; ++b)
            if (page->ToUnicode[b] != kReplacement)
                page->FromUnicode.emplace_back(page->ToUnicode[b], static_cast<unsigned char>(b));
        std::stable_sort(page->FromUnicode.begin(), page->FromUnicode.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        page->FromUnicode.erase(std::unique(page->FromUnicode.begin(), page->FromUnicode.end(),
                                            [](const auto& a, const auto& b) {
                                                return a.first == b.first;
                                            }),
                                page->FromUnicode.end());
    }
    return page;
}

// Built once per process and never changed afterwards, so threads share them.
std::shared_ptr<const CodePage> SharedCodePage(unsigned number, const std::string& charset)
{
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const CodePage>> pages;
    std::lock_guard lock(mutex);
    auto& page = pages[charset];
    if (!page)
        page = BuildCodePage(number, charset);
    return page;
}

std::string CharsetForCodePage(unsigned number)
{
    switch (number) {
    case kUtf8: return "UTF-8";
    case 20127: return "ASCII";
    case 20866: return "KOI8-R";
    case 21866: return "KOI8-U";
    case 20932:
    case 51932: return "EUC-JP";
    case 51936: return "EUC-CN";
    case 51949: return "EUC-KR";
    case 54936: return "GB18030";
    default: break;
    }
    if (number >= 28591 && number <= 28606)
        return "ISO-8859-" + std::to_string(number - 28590);
    return "CP" + std::to_string(number);
}

// Windows' number for a charset the C library names; 0 when Windows has none.
unsigned CodePageForCharset(std::string_view charset)
{
    std::string key;
    for (char c : charset) {
        if (c >= 'a' && c <= 'z')
            key.push_back(char(c - 'a' + 'A'));
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            key.push_back(c);
    }
    // Programs in the C locale pass 8-bit bytes through untouched; reading
    // them as Western keeps them, where ASCII would turn each into '?'.
    static const std::map<std::string, unsigned, std::less<>> known = {
        {"UTF8", kUtf8},      {"ANSIX341968", kWestern}, {"ASCII", kWestern},
        {"USASCII", kWestern}, {"KOI8R", 20866},         {"KOI8U", 21866},
        {"EUCJP", 51932},     {"EUCKR", 51949},         {"EUCCN", 936},
        {"GB2312", 936},      {"GBK", 936},             {"GB18030", 54936},
        {"BIG5", 950},        {"BIG5HKSCS", 950},       {"SJIS", 932},
        {"SHIFTJIS", 932},    {"TIS620", 874},
    };
    if (auto it = known.find(key); it != known.end())
        return it->second;
    auto numberAfter = [&](std::string_view prefix) -> unsigned {
        if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0)
            return 0;
        unsigned n = 0;
        for (std::size_t i = prefix.size(); i < key.size(); ++i) {
            if (key[i] < '0' || key[i] > '9' || n > 100000)
                return 0;
            n = n * 10 + unsigned(key[i] - '0');
        }
        return n;
    };
    if (unsigned n = numberAfter("ISO8859"); n >= 1 && n <= 16)
        return 28590 + n;
    for (std::string_view prefix : {"CP", "WINDOWS", "IBM"})
        if (unsigned n = numberAfter(prefix))
            return n;
    return 0;
}

// The system's text has to survive being read as ASCII by any code that
// looks for delimiters, so only code pages that keep ASCII as it is can be
// the ANSI code page: that excludes UTF-16, EBCDIC and the ISO-2022 family.
bool UsableAsAnsi(const CodePage& page) { return page.Usable && page.AsciiTransparent; }

unsigned RequestedAnsiCodePage(const char* override)
{
    unsigned n = 0;
    for (const char* p = override; *p; ++p) {
        if (*p < '0' || *p > '9' || n > 100000)
            return 0;
        n = n * 10 + unsigned(*p - '0');
    }
    return n;
}

// The choice is re-read on every call (cheaply: it is remembered per thread
// against the variables it came from), so a changed environment takes effect
// without a restart.
const CodePage& Ansi()
{
    struct Choice {
        bool Made = false;
        std::string Override, Locale;
        std::shared_ptr<const CodePage> Page;
    };
    thread_local Choice choice;
    const char* override = std::getenv("LORIVEX_ANSI_CODEPAGE");
    if (!override)
        override = "";
    std::string locale = posix::LocaleNameFor("LC_CTYPE");
    if (choice.Made && choice.Override == override && choice.Locale == locale)
        return *choice.Page;

    const WindowsLanguage* language = FindLanguageForLocale(locale);
    const unsigned fromLocale =
        language && language->AnsiCodePage ? language->AnsiCodePage : kWestern;
    std::shared_ptr<const CodePage> page;
    for (unsigned number : {RequestedAnsiCodePage(override), fromLocale, kWestern}) {
        if (number == 0)
            continue;
        page = SharedCodePage(number, CharsetForCodePage(number));
        if (UsableAsAnsi(*page))
            break;
    }
    choice = {true, override, std::move(locale), std::move(page)};
    return *choice.Page;
}

// The OEM side is the charset of the user's LC_CTYPE locale, as the programs
// we start print in it.
const CodePage& Oem()
{
    struct Choice {
        bool Made = false;
        std::string Locale;
        std::shared_ptr<const CodePage> Page;
    };
    thread_local Choice choice;
    std::string locale = posix::LocaleNameFor("LC_CTYPE");
    if (choice.Made && choice.Locale == locale)
        return *choice.Page;

    std::string charset;
    if (locale_t handle = newlocale(LC_CTYPE_MASK, locale.c_str(), locale_t(nullptr))) {
        charset = nl_langinfo_l(CODESET, handle);
        freelocale(handle);
    } else if (!IsCLocaleName(locale)) {
        charset = SplitLocaleName(locale).Codeset;
    }
    if (charset.empty())
        charset = "ANSI_X3.4-1968";
    const unsigned number = CodePageForCharset(charset);
    // The locale's own name is kept for converting where Windows' number
    // would lose something (Big5-HKSCS is more than 950); ASCII is read as
    // Western, see above.
    if (number == kWestern || number == kUtf8)
        charset = CharsetForCodePage(number);
    auto page = SharedCodePage(number, charset);
    if (!page->Usable)
        page = SharedCodePage(kWestern, CharsetForCodePage(kWestern));
    choice = {true, std::move(locale), std::move(page)};
    return *choice.Page;
}

std::u16string Decode(const CodePage& page, std::string_view text)
{
    std::u16string out;
    if (page.AsciiTransparent && IsAscii(text))
        return std::u16string(text.begin(), text.end());
    if (page.SingleByte) {
        out.reserve(text.size());
        for (char c : text)
            out.push_back(page.ToUnicode[static_cast<unsigned char>(c)]);
        return out;
    }
    if (page.Utf8) {
        AppendUtf8AsUtf16(text, out);
        return out;
    }
    if (IconvDescriptor* cd = ThreadDescriptor(kUtf16, page.Charset)) {
        RunIconv(*cd, text, out, [](std::string_view rest, bool incomplete, std::u16string& o) {
            o.push_back(kReplacement);
            return incomplete ? rest.size() : 1;
        });
    }
    return out;
}

// The single-byte table lookup; 0 when the code page has no byte for UNIT.
unsigned char ByteFor(const CodePage& page, char16_t unit)
{
    if (unit < 0x80)
        return static_cast<unsigned char>(unit);
    auto it = std::lower_bound(page.FromUnicode.begin(), page.FromUnicode.end(), unit,
                               [](const auto& entry, char16_t u) { return entry.first < u; });
    return it != page.FromUnicode.end() && it->first == unit ? it->second : 0;
}

// Characters the code page cannot hold become one '?' each (a surrogate pair
// is one character). HELD, when given, learns whether none had to.
std::string Encode(const CodePage& page, std::u16string_view text, bool* held = nullptr)
{
    if (held)
        *held = true;
    if (page.AsciiTransparent && IsAscii(text))
        return std::string(text.begin(), text.end());
    std::string out;
    if (page.SingleByte) {
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char byte = ByteFor(page, text[i]);
            if (byte || text[i] == 0) {
                out.push_back(char(byte));
                continue;
            }
            if (held)
                *held = false;
            if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
                ++i;
            out.push_back('?');
        }
        return out;
    }
    if (page.Utf8) {
        if (held)
            *held = !HasLoneSurrogate(text);
        AppendUtf16AsUtf8(text, out);
        return out;
    }
    IconvDescriptor* cd = ThreadDescriptor(page.Charset, kUtf16);
    if (!cd) {
        if (held)
            *held = false;
        return std::string(text.size(), '?');
    }
    std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    RunIconv(*cd, bytes, out, [&](std::string_view rest, bool, std::string& o) -> std::size_t {
        if (held)
            *held = false;
        o.push_back('?');
        if (rest.size() >= 4) {
            char16_t first, second;
            std::copy_n(rest.data(), 2, reinterpret_cast<char*>(&first));
            std::copy_n(rest.data() + 2, 2, reinterpret_cast<char*>(&second));
            if (IsHighSurrogate(first) && IsLowSurrogate(second))
                return 4;
        }
        return 2;
    });
    return out;
}

} // namespace

namespace posix {

std::string CharsetToUtf8(std::string_view text, const std::string& charset)
{
    if (IsAscii(text))
        return std::string(text);
    const unsigned number = CodePageForCharset(charset);
    std::string name = number == kWestern || number == kUtf8 ? CharsetForCodePage(number) : charset;
    std::u16string wide = Decode(*SharedCodePage(number, name), text);
    std::string out;
    AppendUtf16AsUtf8(wide, out);
    return out;
}

} // namespace posix

unsigned AnsiCodePage() { return Ansi().Number; }

unsigned OemCodePage() { return Oem().Number; }

bool IsAnsiLeadByte(char byte) { return Ansi().LeadByte[static_cast<unsigned char>(byte)]; }

std::string Utf16ToAnsi(const std::u16string& text)
{
    if (IsAscii(text))
        return std::string(text.begin(), text.end());
    return Encode(Ansi(), text);
}

std::u16string AnsiToUtf16(const std::string& text)
{
    if (IsAscii(text))
        return std::u16string(text.begin(), text.end());
    return Decode(Ansi(), text);
}

std::string OemToAnsi(const std::string& text)
{
    const CodePage& oem = Oem();
    if (oem.AsciiTransparent && IsAscii(text))
        return text;
    const CodePage& ansi = Ansi();
    if (oem.Charset == ansi.Charset && !ansi.Utf8)
        return text;
    return Encode(ansi, Decode(oem, text));
}

std::string Utf8ToAnsi(const std::string& text)
{
    if (IsAscii(text))
        return text;
    return Encode(Ansi(), Utf8ToUtf16(text));
}

std::string AnsiToUtf8(const std::string& text)
{
    if (IsAscii(text))
        return text;
    return Utf16ToUtf8(Decode(Ansi(), text));
}

bool AnsiCanHold(const std::u16string& text)
{
    if (IsAscii(text))
        return true;
    bool held = true;
    Encode(Ansi(), text, &held);
    return held;
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    AppendUtf8AsUtf16(text, out);
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    AppendUtf16AsUtf8(text, out);
    return out;
}

} // namespace lorivex::platform
