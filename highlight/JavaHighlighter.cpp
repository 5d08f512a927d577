#include "highlight/JavaHighlighter.h"

namespace lorivex {

namespace {

constexpr std::u16string_view JavaKeywords[] = {
    u"abstract", u"assert", u"boolean", u"break", u"byte", u"case", u"catch", u"char", u"class",
    u"const", u"continue", u"default", u"do", u"double", u"else", u"enum", u"extends", u"false",
    u"final", u"finally", u"float", u"for", u"goto", u"if", u"implements", u"import", u"instanceof",
    u"int", u"interface", u"long", u"native", u"new", u"null", u"package", u"permits", u"private",
    u"protected", u"public", u"record", u"return", u"sealed", u"short", u"static", u"strictfp",
    u"super", u"switch", u"synchronized", u"this", u"throw", u"throws", u"transient", u"true",
    u"try", u"var", u"void", u"volatile", u"while", u"yield",
};
static_assert(IsKeywordTable(JavaKeywords));

const TCFamilySyntax& JavaSyntax()
{
    static const TCFamilySyntax syntax = [] {
        TCFamilySyntax s{TKeywordSet(JavaKeywords, false)};
        s.TextBlocks = true;
        s.Annotations = true;
        s.DollarInNames = true;
        return s;
    }();
    return syntax;
}

} // namespace

TJavaHighlighter::TJavaHighlighter()
    : TCFamilyHighlighter("Java", "java", {".java"},
                          {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                           TTokenKind::Number, TTokenKind::Operator, TTokenKind::Annotation},
                          JavaSyntax())
{
}

} // namespace lorivex
