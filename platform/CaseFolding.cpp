#include "platform/CaseFolding.h"

#include <array>
#include <map>
#include <memory>
#include <mutex>

#include "platform/CaseMapping.h"
#include "platform/CodePages.h"

namespace lorivex::platform {

namespace {

struct CaseTables {
    std::array<unsigned char, 256> Upper, Lower;
    std::array<bool, 256> Lead;
};

// A byte maps to the byte of the other case when both stand for one
// character each and the code page holds the other case.
unsigned char MapThrough(unsigned char byte, char16_t (*map)(char16_t))
{
    std::u16string wide = AnsiToUtf16(std::string(1, char(byte)));
    if (wide.size() != 1)
        return byte;
    std::u16string mapped(1, map(wide[0]));
    if (mapped == wide || !AnsiCanHold(mapped))
        return byte;
    std::string back = Utf16ToAnsi(mapped);
    return back.size() == 1 ? static_cast<unsigned char>(back[0]) : byte;
}

std::shared_ptr<const CaseTables> MakeTables()
{
    auto tables = std::make_shared<CaseTables>();
    for (int b = 0; b < 256; ++b) {
        auto byte = static_cast<unsigned char>(b);
        tables->Lead[b] = IsAnsiLeadByte(char(byte));
        if (b < 128 || tables->Lead[b]) {
            tables->Upper[b] = b >= 'a' && b <= 'z' ? byte - 32 : byte;
            tables->Lower[b] = b >= 'A' && b <= 'Z' ? byte + 32 : byte;
        } else {
            tables->Upper[b] = MapThrough(byte, PlatformUpperChar16);
            tables->Lower[b] = MapThrough(byte, PlatformLowerChar16);
        }
    }
    return tables;
}

// One table per code page, made on first use: the code page can follow the
// environment, so it is asked each time.
const CaseTables& Tables()
{
    static std::mutex mutex;
    static std::map<unsigned, std::shared_ptr<const CaseTables>> made;
    const unsigned page = AnsiCodePage();
    thread_local unsigned lastPage = 0;
    thread_local std::shared_ptr<const CaseTables> last;
    if (last && lastPage == page)
        return *last;
    std::lock_guard lock(mutex);
    auto& tables = made[page];
    if (!tables)
        tables = MakeTables();
    lastPage = page;
    last = tables;
    return *last;
}

std::string Map(std::string text, const std::array<unsigned char, 256>& map)
{
    const auto& tables = Tables();
    for (size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (tables.Lead[byte]) {
            ++i; // the trail byte is no letter of its own
            continue;
        }
        text[i] = char(map[byte]);
    }
    return text;
}

} // namespace

std::string AnsiUpperCase(std::string text)
{
    return Map(std::move(text), Tables().Upper);
}

std::string AnsiLowerCase(std::string text)
{
    return Map(std::move(text), Tables().Lower);
}

int AnsiCompareText(std::string_view a, std::string_view b)
{
    const auto& tables = Tables();
    bool trail = false;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (!trail) {
            x = tables.Upper[x];
            y = tables.Upper[y];
        }
        if (x != y)
            return x < y ? -1 : 1;
        trail = !trail && tables.Lead[static_cast<unsigned char>(a[i])];
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool AnsiSameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && AnsiCompareText(a, b) == 0;
}

char16_t UpperChar16(char16_t c)
{
    if (c < 128)
        return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    return PlatformUpperChar16(c);
}

bool SameTextW(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && UpperChar16(a[i]) != UpperChar16(b[i]))
            return false;
    return true;
}

} // namespace lorivex::platform
