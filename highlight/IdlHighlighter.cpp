#include "highlight/IdlHighlighter.h"

namespace lorivex {

namespace {

constexpr std::u16string_view IdlKeywords[] = {
    u"FALSE", u"Object", u"TRUE", u"ValueBase", u"abstract", u"any", u"attribute", u"boolean",
    u"case", u"char", u"component", u"const", u"consumes", u"context", u"custom", u"default",
    u"double", u"emits", u"enum", u"eventtype", u"exception", u"factory", u"finder", u"fixed",
    u"float", u"getraises", u"getter", u"home", u"import", u"in", u"inout", u"interface", u"local",
    u"long", u"module", u"multiple", u"native", u"octet", u"oneway", u"out", u"primarykey",
    u"private", u"provides", u"public", u"publishes", u"raises", u"readonly", u"sequence",
    u"setraises", u"setter", u"short", u"string", u"struct", u"supports", u"switch", u"truncatable",
    u"typedef", u"typeid", u"typeprefix", u"union", u"unsigned", u"uses", u"valuetype", u"void",
    u"wchar", u"wstring",
};
static_assert(IsKeywordTable(IdlKeywords));

const TCFamilySyntax& IdlSyntax()
{
    static const TCFamilySyntax syntax = [] {
        TCFamilySyntax s{TKeywordSet(IdlKeywords, false)};
        s.Directives = true;
        s.DirectiveContinuation = true;
        return s;
    }();
    return syntax;
}

} // namespace

TIdlHighlighter::TIdlHighlighter()
    : TCFamilyHighlighter("CORBA IDL", "idl", {".idl"},
                          {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                           TTokenKind::Number, TTokenKind::Operator, TTokenKind::Preprocessor},
                          IdlSyntax())
{
}

} // namespace lorivex
