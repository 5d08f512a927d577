#include "highlight/SourceText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/Exception.h"
#include "base/Guarded.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex {

namespace {

const char* const Unit = "SourceTextUnit";

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Well-formed UTF-8 as the standard defines it: no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int trail;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trail = 2;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trail = 3;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        for (int k = 1; k <= trail; ++k) {
            if (i + k >= n)
                return false;
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if (t < low || t > high)
                return false;
            low = 0x80;
            high = 0xBF;
        }
        i += std::size_t(trail) + 1;
    }
    return true;
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian, const std::string& name)
{
    if (bytes.size() % 2 != 0)
        throw Exception("Cannot read \"" + name + "\": its UTF-16 text ends in the middle of a character.");
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = bigEndian ? char16_t((first << 8) | second) : char16_t((second << 8) | first);
    }
    return text;
}

void RefuseBinary(bool binary, const std::string& name)
{
    if (binary)
        throw Exception("Cannot read \"" + name + "\": it holds binary data (NUL bytes), not text.");
}

std::string ReadStandardInput()
{
    std::string bytes;
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        bytes.append(buffer, got);
    if (std::ferror(stdin))
        throw Exception("Cannot read the standard input.");
    return bytes;
}

} // namespace

std::vector<std::u16string> SplitLines(std::u16string_view text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::u16string> DecodeSourceText(std::string_view bytes, const std::string& name)
{
    return Guarded(Unit, "DecodeSourceText", [&] {
        std::u16string text;
        if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
            text = DecodeUtf16(bytes.substr(2), bytes[0] == '\xFE', name);
            RefuseBinary(text.find(u'\0') != std::u16string::npos, name);
        } else {
            const bool bom = bytes.starts_with("\xEF\xBB\xBF");
            if (bom)
                bytes.remove_prefix(3);
            RefuseBinary(std::memchr(bytes.data(), 0, bytes.size()) != nullptr, name);
            if (IsAscii(bytes)) {
                text.assign(bytes.begin(), bytes.end());
            } else if (IsUtf8(bytes)) {
                text = platform::Utf8ToUtf16(std::string(bytes));
            } else if (bom) {
                throw Exception("Cannot read \"" + name + "\": it starts as UTF-8 but is not valid UTF-8.");
            } else {
                text = platform::AnsiToUtf16(std::string(bytes));
                if (text.find(u'\uFFFD') != std::u16string::npos)
                    throw Exception("Cannot read \"" + name + "\": it is neither UTF-8 nor text in the ANSI code page (" +
                                    std::to_string(platform::AnsiCodePage()) + ").");
            }
        }
        return SplitLines(text);
    });
}

std::vector<std::u16string> ReadSourceFile(const std::string& path)
{
    return Guarded(Unit, "ReadSourceFile", [&] {
        if (path == "-")
            return DecodeSourceText(ReadStandardInput(), "standard input");
        return DecodeSourceText(platform::ReadFileBytes(path), path);
    });
}

} // namespace lorivex
