#include "engine/html/HtmlText.h"

#include "platform/CodePages.h"

namespace lorivex::engine::html {

namespace {

void Reference(std::string& out, unsigned long codePoint)
{
    out += "&#" + std::to_string(codePoint) + ";";
}

} // namespace

void HtmlText::Append(std::string& out, std::u16string_view text)
{
    for (char16_t c : text)
        Append(out, c);
}

void HtmlText::Append(std::string& out, char16_t c)
{
    if (pendingHigh_) {
        char16_t high = pendingHigh_;
        pendingHigh_ = 0;
        if (c >= 0xDC00 && c <= 0xDFFF) {
            Reference(out, 0x10000 + ((unsigned long)(high - 0xD800) << 10) + (c - 0xDC00));
            return;
        }
        Reference(out, 0xFFFD);
    }
    switch (c) {
    case u'<': out += "&lt;"; return;
    case u'>': out += "&gt;"; return;
    case u'&': out += "&amp;"; return;
    case u'"': out += "&quot;"; return;
    default: break;
    }
    if (c < 0x80) {
        out += char(c);
    } else if (c >= 0xD800 && c <= 0xDBFF) {
        pendingHigh_ = c;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
        Reference(out, 0xFFFD);
    } else {
        out += NonAscii(c);
    }
}

const std::string& HtmlText::NonAscii(char16_t c)
{
    auto [it, added] = cache_.try_emplace(c);
    if (added) {
        std::u16string one(1, c);
        if (platform::AnsiCanHold(one))
            it->second = platform::Utf16ToAnsi(one);
        else
            Reference(it->second, c);
    }
    return it->second;
}

std::string UrlPath(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (c <= ' ' || c == '"' || c == '%' || c == '<' || c == '>' || c == '\'' || c >= 0x7F) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += char(c == '\\' ? '/' : c);
        }
    }
    return out;
}

} // namespace lorivex::engine::html
