#include "highlight/VBScriptHighlighter.h"

#include "highlight/BasicScanner.h"

namespace lorivex {

namespace {

constexpr std::u16string_view VBScriptKeywords[] = {
    u"and", u"call", u"case", u"class", u"const", u"default", u"dim", u"do", u"each", u"else",
    u"elseif", u"empty", u"end", u"eqv", u"erase", u"error", u"exit", u"explicit", u"false", u"for",
    u"function", u"get", u"goto", u"if", u"imp", u"in", u"is", u"let", u"loop", u"me", u"mod",
    u"new", u"next", u"not", u"nothing", u"null", u"on", u"option", u"or", u"preserve", u"private",
    u"property", u"public", u"randomize", u"redim", u"rem", u"resume", u"select", u"set", u"step",
    u"stop", u"sub", u"then", u"to", u"true", u"until", u"wend", u"while", u"with", u"xor",
};
static_assert(IsKeywordTable(VBScriptKeywords, true));
constexpr TKeywordSet VBScriptKeywordsSet(VBScriptKeywords, true);

} // namespace

TVBScriptHighlighter::TVBScriptHighlighter()
    : THighlighter("MS VBScript", "vbs", {".vbs", ".vbe"},
                   {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                    TTokenKind::Number, TTokenKind::Operator})
{
}

void TVBScriptHighlighter::Scan(TLineScanner& scanner, TLineState&) const
{
    TBasicScanner(VBScriptKeywordsSet, false).Scan(scanner);
}

} // namespace lorivex
