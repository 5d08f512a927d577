#include "highlight/JScriptHighlighter.h"

namespace lorivex {

namespace {

constexpr std::u16string_view JScriptKeywords[] = {
    u"async", u"await", u"break", u"case", u"catch", u"class", u"const", u"continue", u"debugger",
    u"default", u"delete", u"do", u"else", u"export", u"extends", u"false", u"finally", u"for",
    u"function", u"if", u"import", u"in", u"instanceof", u"let", u"new", u"null", u"of", u"return",
    u"static", u"super", u"switch", u"this", u"throw", u"true", u"try", u"typeof", u"undefined",
    u"var", u"void", u"while", u"with", u"yield",
};
static_assert(IsKeywordTable(JScriptKeywords));

constexpr std::u16string_view RegexAfterWords[] = {
    u"await", u"case", u"delete", u"do", u"else", u"in", u"instanceof", u"new", u"of", u"return",
    u"throw", u"typeof", u"void", u"yield",
};
static_assert(IsKeywordTable(RegexAfterWords));

} // namespace

const TCFamilySyntax& JavaScriptSyntax()
{
    static const TCFamilySyntax syntax = [] {
        TCFamilySyntax s{TKeywordSet(JScriptKeywords, false)};
        s.RegexAfter = TKeywordSet(RegexAfterWords, false);
        s.CharLiterals = false;
        s.Templates = true;
        s.DollarInNames = true;
        return s;
    }();
    return syntax;
}

TJScriptHighlighter::TJScriptHighlighter()
    : TCFamilyHighlighter("JavaScript", "js", {".js", ".mjs", ".cjs", ".jsx"},
                          {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                           TTokenKind::Number, TTokenKind::Operator, TTokenKind::Regex},
                          JavaScriptSyntax())
{
}

} // namespace lorivex
