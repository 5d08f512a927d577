#include "highlight/VisualBasicHighlighter.h"

#include "highlight/BasicScanner.h"

namespace lorivex {

namespace {

constexpr std::u16string_view VisualBasicKeywords[] = {
    u"addhandler", u"addressof", u"alias", u"and", u"andalso", u"as", u"async", u"await",
    u"boolean", u"byref", u"byte", u"byval", u"call", u"case", u"catch", u"cbool", u"cbyte",
    u"cchar", u"cdate", u"cdbl", u"cdec", u"char", u"cint", u"class", u"clng", u"cobj", u"compare",
    u"const", u"continue", u"csbyte", u"cshort", u"csng", u"cstr", u"ctype", u"cuint", u"culng",
    u"currency", u"cushort", u"date", u"decimal", u"declare", u"default", u"delegate", u"dim",
    u"directcast", u"do", u"double", u"each", u"else", u"elseif", u"end", u"endif", u"enum",
    u"erase", u"error", u"event", u"exit", u"explicit", u"false", u"finally", u"for", u"friend",
    u"function", u"get", u"gettype", u"getxmlnamespace", u"global", u"gosub", u"goto", u"handles",
    u"if", u"implements", u"imports", u"in", u"inherits", u"integer", u"interface", u"is", u"isnot",
    u"iterator", u"let", u"lib", u"like", u"long", u"loop", u"me", u"mod", u"module",
    u"mustinherit", u"mustoverride", u"mybase", u"myclass", u"namespace", u"narrowing", u"new",
    u"next", u"not", u"nothing", u"notinheritable", u"notoverridable", u"object", u"of", u"on",
    u"operator", u"option", u"optional", u"or", u"orelse", u"out", u"overloads", u"overridable",
    u"overrides", u"paramarray", u"partial", u"preserve", u"private", u"property", u"protected",
    u"public", u"raiseevent", u"readonly", u"redim", u"rem", u"removehandler", u"resume", u"return",
    u"sbyte", u"select", u"set", u"shadows", u"shared", u"short", u"single", u"static", u"step",
    u"stop", u"string", u"structure", u"sub", u"synclock", u"then", u"throw", u"to", u"true",
    u"try", u"trycast", u"type", u"typeof", u"uinteger", u"ulong", u"until", u"ushort", u"using",
    u"variant", u"wend", u"when", u"while", u"widening", u"with", u"withevents", u"writeonly",
    u"xor", u"yield",
};
static_assert(IsKeywordTable(VisualBasicKeywords, true));
constexpr TKeywordSet VisualBasicKeywordsSet(VisualBasicKeywords, true);

} // namespace

TVisualBasicHighlighter::TVisualBasicHighlighter()
    : THighlighter("Visual Basic", "vb", {".vb", ".bas", ".cls", ".frm", ".ctl"},
                   {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                    TTokenKind::Number, TTokenKind::Operator, TTokenKind::Preprocessor})
{
}

void TVisualBasicHighlighter::Scan(TLineScanner& scanner, TLineState&) const
{
    TBasicScanner(VisualBasicKeywordsSet, true).Scan(scanner);
}

} // namespace lorivex
