#pragma once
// Character classes the scanners share. Everything outside ASCII counts as
// a letter: identifiers in Unicode are legal in most of these languages, and
// taking a foreign letter for an operator would split a name in two.
namespace lorivex::chars {

constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
constexpr bool IsHexDigit(char16_t c)
{
    return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
constexpr bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
constexpr bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v' || c == 0xA0; }
constexpr bool IsIdentStart(char16_t c) { return IsAsciiLetter(c) || c == u'_' || (c >= 0x80 && c != 0xA0); }
constexpr bool IsIdentChar(char16_t c) { return IsIdentStart(c) || IsDigit(c); }
constexpr char16_t ToLower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

} // namespace lorivex::chars
