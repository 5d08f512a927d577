#include "base/Base64.h"

#include <cstdint>

namespace lorivex {

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

} // namespace

std::string Base64Encode(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        unsigned chunk = unsigned(uint8_t(bytes[i])) << 16;
        if (i + 1 < bytes.size())
            chunk |= unsigned(uint8_t(bytes[i + 1])) << 8;
        if (i + 2 < bytes.size())
            chunk |= unsigned(uint8_t(bytes[i + 2]));
        out += Alphabet[(chunk >> 18) & 63];
        out += Alphabet[(chunk >> 12) & 63];
        out += i + 1 < bytes.size() ? Alphabet[(chunk >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? Alphabet[chunk & 63] : '=';
    }
    return out;
}

std::string Base64Decode(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    unsigned buffer = 0;
    int bits = 0;
    for (char c : text) {
        int value = Value(c);
        if (value < 0)
            continue;
        buffer = (buffer << 6) | unsigned(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += char((buffer >> bits) & 0xFF);
        }
    }
    return bytes;
}

std::string Base64EncodeUtf16(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return Base64Encode(bytes);
}

std::u16string Base64DecodeUtf16(std::string_view text)
{
    std::string bytes = Base64Decode(text);
    std::u16string data;
    data.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        data += char16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8));
    return data;
}

} // namespace lorivex
