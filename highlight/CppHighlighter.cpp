#include "highlight/CppHighlighter.h"

namespace lorivex {

namespace {

constexpr std::u16string_view CppKeywords[] = {
    u"_Alignas", u"_Alignof", u"_Atomic", u"_Bool", u"_Complex", u"_Generic", u"_Imaginary",
    u"_Noreturn", u"_Static_assert", u"_Thread_local", u"__asm", u"__cdecl", u"__declspec",
    u"__fastcall", u"__inline", u"__int64", u"__stdcall", u"alignas", u"alignof", u"and", u"and_eq",
    u"asm", u"auto", u"bitand", u"bitor", u"bool", u"break", u"case", u"catch", u"char",
    u"char16_t", u"char32_t", u"char8_t", u"class", u"co_await", u"co_return", u"co_yield",
    u"compl", u"concept", u"const", u"const_cast", u"consteval", u"constexpr", u"constinit",
    u"continue", u"decltype", u"default", u"delete", u"do", u"double", u"dynamic_cast", u"else",
    u"enum", u"explicit", u"export", u"extern", u"false", u"final", u"float", u"for", u"friend",
    u"goto", u"if", u"import", u"inline", u"int", u"long", u"module", u"mutable", u"namespace",
    u"new", u"noexcept", u"not", u"not_eq", u"nullptr", u"operator", u"or", u"or_eq", u"override",
    u"private", u"protected", u"public", u"register", u"reinterpret_cast", u"requires", u"restrict",
    u"return", u"short", u"signed", u"sizeof", u"static", u"static_assert", u"static_cast",
    u"struct", u"switch", u"template", u"this", u"thread_local", u"throw", u"true", u"try",
    u"typedef", u"typeid", u"typename", u"union", u"unsigned", u"using", u"virtual", u"void",
    u"volatile", u"wchar_t", u"while", u"xor", u"xor_eq",
};
static_assert(IsKeywordTable(CppKeywords));

const TCFamilySyntax& CppSyntax()
{
    static const TCFamilySyntax syntax = [] {
        TCFamilySyntax s{TKeywordSet(CppKeywords, false)};
        s.Directives = true;
        s.DirectiveContinuation = true;
        s.RawStrings = true;
        s.DigitSeparator = u'\'';
        return s;
    }();
    return syntax;
}

} // namespace

TCppHighlighter::TCppHighlighter()
    : TCFamilyHighlighter("C/C++", "cpp",
                          {".c", ".cc", ".cpp", ".cxx", ".c++", ".h", ".hh", ".hpp", ".hxx", ".h++", ".inl", ".ipp"},
                          {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                           TTokenKind::Number, TTokenKind::Operator, TTokenKind::Preprocessor},
                          CppSyntax())
{
}

} // namespace lorivex
