#include "engine/rtf/RtfCodePage.h"

#include "platform/CodePages.h"

namespace lorivex::engine::rtf {

namespace {

// Where 1252 differs from Latin-1: the bytes 0x80 to 0x9F. The five bytes
// 1252 leaves undefined map to the control characters of the same value,
// as Windows maps them.
constexpr char16_t Western80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::u16string DecodeWestern(const std::string& bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        auto byte = static_cast<unsigned char>(b);
        text += byte >= 0x80 && byte <= 0x9F ? Western80To9F[byte - 0x80] : char16_t(byte);
    }
    return text;
}

} // namespace

std::u16string DecodeBytes(const std::string& bytes, unsigned codePage)
{
    if (codePage == platform::AnsiCodePage())
        return platform::AnsiToUtf16(bytes);
    return DecodeWestern(bytes);
}

} // namespace lorivex::engine::rtf
