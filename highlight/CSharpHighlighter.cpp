#include "highlight/CSharpHighlighter.h"

namespace lorivex {

namespace {

constexpr std::u16string_view CSharpKeywords[] = {
    u"abstract", u"add", u"and", u"as", u"ascending", u"async", u"await", u"base", u"bool",
    u"break", u"byte", u"case", u"catch", u"char", u"checked", u"class", u"const", u"continue",
    u"decimal", u"default", u"delegate", u"descending", u"do", u"double", u"dynamic", u"else",
    u"enum", u"equals", u"event", u"explicit", u"extern", u"false", u"finally", u"fixed", u"float",
    u"for", u"foreach", u"from", u"get", u"global", u"goto", u"group", u"if", u"implicit", u"in",
    u"init", u"int", u"interface", u"internal", u"into", u"is", u"join", u"let", u"lock", u"long",
    u"nameof", u"namespace", u"new", u"not", u"null", u"object", u"operator", u"or", u"orderby",
    u"out", u"override", u"params", u"partial", u"private", u"protected", u"public", u"readonly",
    u"record", u"ref", u"remove", u"required", u"return", u"sbyte", u"sealed", u"select", u"set",
    u"short", u"sizeof", u"stackalloc", u"static", u"string", u"struct", u"switch", u"this",
    u"throw", u"true", u"try", u"typeof", u"uint", u"ulong", u"unchecked", u"unsafe", u"ushort",
    u"using", u"value", u"var", u"virtual", u"void", u"volatile", u"when", u"where", u"while",
    u"with", u"yield",
};
static_assert(IsKeywordTable(CSharpKeywords));

const TCFamilySyntax& CSharpSyntax()
{
    static const TCFamilySyntax syntax = [] {
        TCFamilySyntax s{TKeywordSet(CSharpKeywords, false)};
        s.Directives = true;
        s.VerbatimStrings = true;
        return s;
    }();
    return syntax;
}

} // namespace

TCSharpHighlighter::TCSharpHighlighter()
    : TCFamilyHighlighter("C#", "cs", {".cs", ".csx"},
                          {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                           TTokenKind::Number, TTokenKind::Operator, TTokenKind::Preprocessor},
                          CSharpSyntax())
{
}

} // namespace lorivex
