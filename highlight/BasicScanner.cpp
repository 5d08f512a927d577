#include "highlight/BasicScanner.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsHexDigit;
using chars::IsIdentChar;
using chars::IsIdentStart;

constexpr std::u16string_view DirectiveWords[] = {
    u"const", u"disable", u"else", u"elseif", u"enable", u"end", u"externalchecksum",
    u"externalsource", u"if", u"region",
};
static_assert(IsKeywordTable(DirectiveWords, true));
constexpr TKeywordSet DirectiveWordSet(DirectiveWords, true);

bool IsDateChar(char16_t c)
{
    return IsDigit(c) || chars::IsAsciiLetter(c) || c == u'/' || c == u'-' || c == u':' || c == u'.' ||
           c == u' ' || c == u',';
}

// Type characters and suffixes after a number: 10&, 1.5!, 2D, 7UL.
std::size_t NumberSuffixEnd(const TLineScanner& s, std::size_t from)
{
    return s.SkipWhile(from, [](char16_t c) {
        return IsIdentChar(c) || c == u'%' || c == u'&' || c == u'!' || c == u'#' || c == u'@';
    });
}

} // namespace

void TBasicScanner::Scan(TLineScanner& s) const
{
    const std::size_t firstCode = s.SpaceEnd(s.Pos());
    while (!s.AtEnd()) {
        const char16_t c = s.Peek();
        const std::size_t pos = s.Pos();
        if (s.EmitSpace())
            continue;
        if (c == u'\'') {
            s.EmitRest(TTokenKind::Comment);
        } else if (c == u'"') {
            std::size_t i = pos + 1;
            while (i < s.End() && !(s.At(i) == u'"' && s.At(i + 1) != u'"'))
                i += s.At(i) == u'"' ? 2 : 1;
            // "x"c is a character literal.
            std::size_t end = i + 1;
            if ((s.At(end) == u'c' || s.At(end) == u'C') && !IsIdentChar(s.At(end + 1)))
                ++end;
            s.EmitTo(TTokenKind::String, end);
        } else if (c == u'&' && (s.Peek(1) == u'H' || s.Peek(1) == u'h') && IsHexDigit(s.Peek(2))) {
            s.EmitTo(TTokenKind::Number, NumberSuffixEnd(s, pos + 2));
        } else if (c == u'&' && (s.Peek(1) == u'O' || s.Peek(1) == u'o' || s.Peek(1) == u'B' || s.Peek(1) == u'b') &&
                   IsDigit(s.Peek(2))) {
            s.EmitTo(TTokenKind::Number, NumberSuffixEnd(s, pos + 2));
        } else if (IsDigit(c) || (c == u'.' && IsDigit(s.Peek(1)))) {
            std::size_t end = s.SkipWhile(pos, [](char16_t ch) { return IsDigit(ch) || ch == u'.'; });
            if ((s.At(end) == u'e' || s.At(end) == u'E') && (s.At(end + 1) == u'+' || s.At(end + 1) == u'-'))
                end += 2;
            s.EmitTo(TTokenKind::Number, NumberSuffixEnd(s, end));
        } else if (c == u'#' && directives_ && pos == firstCode &&
                   DirectiveWordSet.Contains(s.Slice(pos + 1, s.IdentifierEnd(pos + 1)))) {
            std::size_t comment = s.Find(u"'", pos);
            s.EmitTo(TTokenKind::Preprocessor, comment);
        } else if (c == u'#') {
            // #1/15/2024#, #12:30 PM#; anything else is a file number's '#'.
            std::size_t close = s.SkipWhile(pos + 1, IsDateChar);
            bool date = s.At(close) == u'#' && close > pos + 1 && IsDigit(s.Peek(1));
            s.Emit(date ? TTokenKind::Number : TTokenKind::Operator, date ? close + 1 - pos : 1);
        } else if (c == u'[' && IsIdentStart(s.Peek(1)) && s.At(s.IdentifierEnd(pos + 1)) == u']') {
            s.EmitTo(TTokenKind::Identifier, s.IdentifierEnd(pos + 1) + 1); // [Next]: an escaped name
        } else if (c == u'_' && !IsIdentChar(s.Peek(1))) {
            s.Emit(TTokenKind::Operator, 1); // the line goes on
        } else if (IsIdentStart(c)) {
            std::size_t end = s.IdentifierEnd(pos);
            std::u16string_view word = s.Slice(pos, end);
            if (word.size() == 3 && s.LookingAtNoCase(u"rem") && (chars::IsSpace(s.At(end)) || end == s.End() || s.At(end) == u':')) {
                s.EmitRest(TTokenKind::Comment);
            } else if (keywords_.Contains(word)) {
                s.EmitTo(TTokenKind::Keyword, end);
            } else {
                s.EmitTo(TTokenKind::Identifier, s.At(end) == u'$' ? end + 1 : end);
            }
        } else {
            s.Emit(TTokenKind::Operator, 1);
        }
    }
}

} // namespace lorivex
