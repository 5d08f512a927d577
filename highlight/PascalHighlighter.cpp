#include "highlight/PascalHighlighter.h"

#include "highlight/KeywordSet.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsHexDigit;
using chars::IsIdentChar;
using chars::IsIdentStart;

constexpr std::u16string_view PascalKeywords[] = {
    u"absolute", u"abstract", u"and", u"array", u"as", u"asm", u"assembler", u"automated", u"begin",
    u"case", u"cdecl", u"class", u"const", u"constructor", u"deprecated", u"destructor",
    u"dispinterface", u"div", u"do", u"downto", u"dynamic", u"else", u"end", u"except", u"export",
    u"exports", u"external", u"false", u"file", u"finalization", u"finally", u"for", u"forward",
    u"function", u"generic", u"goto", u"helper", u"if", u"implementation", u"implements", u"in",
    u"inherited", u"initialization", u"inline", u"interface", u"is", u"label", u"library", u"mod",
    u"nil", u"not", u"object", u"of", u"on", u"operator", u"or", u"out", u"overload", u"override",
    u"packed", u"platform", u"private", u"procedure", u"program", u"property", u"protected",
    u"public", u"published", u"raise", u"record", u"reintroduce", u"repeat", u"resourcestring",
    u"result", u"safecall", u"sealed", u"self", u"set", u"shl", u"shr", u"specialize", u"static",
    u"stdcall", u"strict", u"string", u"then", u"threadvar", u"to", u"true", u"try", u"type",
    u"unit", u"until", u"uses", u"var", u"virtual", u"while", u"with", u"xor",
};
static_assert(IsKeywordTable(PascalKeywords, true));
constexpr TKeywordSet PascalKeywordSet(PascalKeywords, true);

enum Mode : std::uint16_t { Normal = 0, BraceComment, ParenComment, BraceDirective, ParenDirective };

class Line {
public:
    Line(TLineScanner& s, TScanState& state) : s_(s), state_(state) {}

    void Run()
    {
        while (!s_.AtEnd()) {
            switch (state_.Mode) {
            case BraceComment: Until(u"}", TTokenKind::Comment, BraceComment); break;
            case ParenComment: Until(u"*)", TTokenKind::Comment, ParenComment); break;
            case BraceDirective: Until(u"}", TTokenKind::Preprocessor, BraceDirective); break;
            case ParenDirective: Until(u"*)", TTokenKind::Preprocessor, ParenDirective); break;
            default: Token(); break;
            }
        }
    }

private:
    void Until(std::u16string_view close, TTokenKind kind, Mode mode)
    {
        std::size_t at = s_.Find(close, s_.Pos());
        if (at < s_.End()) {
            s_.EmitTo(kind, at + close.size());
            state_.Mode = Normal;
        } else {
            s_.EmitRest(kind);
            state_.Mode = mode;
        }
    }

    void Token()
    {
        const char16_t c = s_.Peek();
        if (s_.EmitSpace())
            return;
        if (c == u'{') {
            const bool directive = s_.Peek(1) == u'$';
            s_.Emit(directive ? TTokenKind::Preprocessor : TTokenKind::Comment, 1);
            Until(u"}", directive ? TTokenKind::Preprocessor : TTokenKind::Comment,
                  directive ? BraceDirective : BraceComment);
        } else if (s_.LookingAt(u"(*")) {
            const bool directive = s_.Peek(2) == u'$';
            s_.Emit(directive ? TTokenKind::Preprocessor : TTokenKind::Comment, 2);
            Until(u"*)", directive ? TTokenKind::Preprocessor : TTokenKind::Comment,
                  directive ? ParenDirective : ParenComment);
        } else if (s_.LookingAt(u"//")) {
            s_.EmitRest(TTokenKind::Comment);
        } else if (c == u'\'' || (c == u'#' && (IsDigit(s_.Peek(1)) || (s_.Peek(1) == u'$' && IsHexDigit(s_.Peek(2)))))) {
            StringPieces();
        } else if (c == u'$' && IsHexDigit(s_.Peek(1))) {
            s_.EmitTo(TTokenKind::Number, s_.SkipWhile(s_.Pos() + 1, IsHexDigit));
        } else if (c == u'%' && (s_.Peek(1) == u'0' || s_.Peek(1) == u'1')) {
            s_.EmitTo(TTokenKind::Number, s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) {
                return ch == u'0' || ch == u'1' || ch == u'_';
            }));
        } else if (c == u'&' && IsDigit(s_.Peek(1))) {
            s_.EmitTo(TTokenKind::Number, s_.SkipWhile(s_.Pos() + 1, IsDigit));
        } else if (c == u'&' && IsIdentStart(s_.Peek(1))) {
            // &type: a name spelled like a keyword
            s_.EmitTo(TTokenKind::Identifier, s_.IdentifierEnd(s_.Pos() + 1));
        } else if (IsDigit(c)) {
            Number();
        } else if (IsIdentStart(c)) {
            std::size_t end = s_.IdentifierEnd(s_.Pos());
            s_.EmitTo(PascalKeywordSet.Contains(s_.Slice(s_.Pos(), end)) ? TTokenKind::Keyword
                                                                          : TTokenKind::Identifier,
                      end);
        } else {
            s_.Emit(TTokenKind::Operator, 1);
        }
    }

    // 'It''s'#13#10'next' is one string: quoted pieces and character codes.
    void StringPieces()
    {
        for (;;) {
            if (s_.Peek() == u'\'') {
                std::size_t i = s_.Pos() + 1;
                while (i < s_.End()) {
                    if (s_.At(i) == u'\'' && s_.At(i + 1) == u'\'')
                        i += 2;
                    else if (s_.At(i) == u'\'')
                        break;
                    else
                        ++i;
                }
                s_.EmitTo(TTokenKind::String, i + 1);
            } else if (s_.Peek() == u'#' && s_.Peek(1) == u'$' && IsHexDigit(s_.Peek(2))) {
                s_.EmitTo(TTokenKind::String, s_.SkipWhile(s_.Pos() + 2, IsHexDigit));
            } else if (s_.Peek() == u'#' && IsDigit(s_.Peek(1))) {
                s_.EmitTo(TTokenKind::String, s_.SkipWhile(s_.Pos() + 1, IsDigit));
            } else {
                return;
            }
        }
    }

    // 12, 1.5, 2E-3; the dots of a range (1..10) are not a fraction.
    void Number()
    {
        std::size_t end = s_.SkipWhile(s_.Pos(), IsDigit);
        if (s_.At(end) == u'.' && IsDigit(s_.At(end + 1)))
            end = s_.SkipWhile(end + 1, IsDigit);
        if (s_.At(end) == u'e' || s_.At(end) == u'E') {
            std::size_t exponent = end + 1;
            if (s_.At(exponent) == u'+' || s_.At(exponent) == u'-')
                ++exponent;
            if (IsDigit(s_.At(exponent)))
                end = s_.SkipWhile(exponent, IsDigit);
        }
        s_.EmitTo(TTokenKind::Number, end);
    }

    TLineScanner& s_;
    TScanState& state_;
};

} // namespace

TPascalHighlighter::TPascalHighlighter()
    : THighlighter("Object Pascal", "pas", {".pas", ".pp", ".dpr", ".dpk", ".lpr"},
                   {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::Preprocessor,
                    TTokenKind::String, TTokenKind::Number, TTokenKind::Operator})
{
}

void TPascalHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    Line(scanner, state.Code).Run();
}

} // namespace lorivex
