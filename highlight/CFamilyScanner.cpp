#include "highlight/CFamilyScanner.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsHexDigit;
using chars::IsIdentChar;
using chars::IsIdentStart;
using chars::IsSpace;

enum Mode : std::uint16_t {
    Normal = 0,
    BlockComment,
    LineCommentContinued, // a // comment whose line ended in a backslash
    Directive,            // a directive carried on by a backslash
    StringContinued,      // a string carried on by a backslash
    RawString,            // C++; Text holds the closing )delim"
    TextBlock,            // Java """
    RawQuotes,            // C# """; the high byte of Flags counts the quotes
    Verbatim,             // C# @"
    VerbatimInterpolated, // C# $@"
    Interpolated,         // C# $"
    Template,             // JavaScript `
};

// Flags: a slash after an operand divides; anywhere else it opens a regular
// expression. Only JavaScript keeps this bit, so that the states of the
// other languages stay equal where their text is.
constexpr std::uint16_t AfterOperand = 1;
constexpr std::uint16_t SingleQuoted = 2; // the string carried on is '...'

// The nesting of interpolations (`..${ {a} }..`, $"..{x}..") lives in the
// state's Text, one character per open hole: the mode to return to in the
// high byte, the braces opened inside the hole in the low byte.
constexpr char16_t HoleEntry(Mode returnTo) { return char16_t(returnTo << 8); }

class Line {
public:
    Line(const TCFamilySyntax& syntax, TLineScanner& s, TScanState& state)
        : syntax_(syntax), s_(s), state_(state), operand_((state.Flags & AfterOperand) != 0)
    {
    }

    void Run()
    {
        const std::size_t firstCode = s_.SpaceEnd(s_.Pos());
        while (!s_.AtEnd()) {
            switch (state_.Mode) {
            case Normal: Token(firstCode); break;
            case BlockComment: CommentUntilClose(s_.Pos()); break;
            case LineCommentContinued: s_.EmitRest(TTokenKind::Comment); break;
            case Directive: DirectiveBody(); break;
            case StringContinued: StringBody(state_.Flags & SingleQuoted ? u'\'' : u'"'); break;
            case RawString: RawStringBody(); break;
            case TextBlock: TextBlockBody(); break;
            case RawQuotes: RawQuotesBody(); break;
            case Verbatim:
            case VerbatimInterpolated: VerbatimBody(); break;
            case Interpolated: InterpolatedBody(); break;
            case Template: TemplateBody(); break;
            default: state_.Mode = Normal; break;
            }
        }
        Finish();
    }

private:
    void Finish()
    {
        switch (state_.Mode) {
        case LineCommentContinued:
        case Directive:
            if (!syntax_.DirectiveContinuation || !EndsWithBackslash())
                state_.Mode = Normal;
            break;
        case StringContinued:
            if (!EndsWithBackslash())
                state_.Mode = Normal;
            break;
        case Interpolated:
            // A non-verbatim interpolated string ends with its line.
            state_.Mode = Normal;
            break;
        default: break;
        }
        if (state_.Mode != StringContinued)
            state_.Flags &= std::uint16_t(~SingleQuoted);
        if (syntax_.Templates)
            state_.Flags = std::uint16_t((state_.Flags & ~AfterOperand) | (operand_ ? AfterOperand : 0));
    }

    bool EndsWithBackslash() const
    {
        std::size_t end = s_.End();
        while (end > 0 && IsSpace(s_.Line()[end - 1]))
            --end;
        return end > 0 && s_.Line()[end - 1] == u'\\';
    }

    void Token(std::size_t firstCode)
    {
        const std::size_t pos = s_.Pos();
        const char16_t c = s_.Peek();
        if (s_.EmitSpace())
            return;
        if (c == u'#' && syntax_.Directives && pos == firstCode && state_.Text.empty()) {
            DirectiveStart();
            return;
        }
        if (c == u'/' && s_.Peek(1) == u'/') {
            s_.EmitRest(TTokenKind::Comment);
            state_.Mode = LineCommentContinued;
            return;
        }
        if (c == u'/' && s_.Peek(1) == u'*') {
            CommentUntilClose(pos + 2);
            return;
        }
        if (c == u'/' && syntax_.Templates && !operand_ && Regex())
            return;
        if (IsDigit(c) || (c == u'.' && IsDigit(s_.Peek(1)))) {
            Number();
            return;
        }
        if (IsIdentStart(c) || (c == u'$' && syntax_.DollarInNames)) {
            Word();
            return;
        }
        operand_ = true;
        if (c == u'"') {
            if ((syntax_.TextBlocks || syntax_.VerbatimStrings) && s_.LookingAt(u"\"\"\""))
                TripleQuote();
            else
                QuotedString(u'"');
            return;
        }
        if (c == u'\'' && syntax_.Templates) {
            QuotedString(u'\'');
            return;
        }
        if (c == u'\'' && syntax_.CharLiterals && CharLiteral())
            return;
        if (c == u'`' && syntax_.Templates) {
            s_.Emit(TTokenKind::String, 1);
            state_.Mode = Template;
            return;
        }
        if (c == u'@' && AtSign())
            return;
        if (c == u'$' && syntax_.VerbatimStrings && DollarString())
            return;
        if ((c == u'{' || c == u'}') && !state_.Text.empty()) {
            HoleBrace(c);
            return;
        }
        s_.Emit(TTokenKind::Operator, 1);
        operand_ = c == u')' || c == u']';
    }

    void CommentUntilClose(std::size_t from)
    {
        std::size_t close = s_.Find(u"*/", from);
        if (close < s_.End()) {
            s_.EmitTo(TTokenKind::Comment, close + 2);
            state_.Mode = Normal;
        } else {
            s_.EmitRest(TTokenKind::Comment);
            state_.Mode = BlockComment;
        }
    }

    void DirectiveStart()
    {
        std::size_t nameStart = s_.SpaceEnd(s_.Pos() + 1);
        std::size_t nameEnd = s_.IdentifierEnd(nameStart);
        std::u16string_view name = s_.Slice(nameStart, nameEnd);
        s_.EmitTo(TTokenKind::Preprocessor, nameEnd);
        state_.Mode = Directive;
        if (name == u"include" || name == u"import" || name == u"include_next") {
            s_.EmitSpace();
            if (s_.Peek() == u'<') {
                std::size_t close = s_.Find(u">", s_.Pos());
                if (close < s_.End())
                    s_.EmitTo(TTokenKind::String, close + 1);
            }
        }
        DirectiveBody(true);
    }

    // The rest of a directive: its own words (blanks between them
    // included) in the directive's colour, strings and comments in theirs.
    void DirectiveBody(bool afterWord = false)
    {
        while (!s_.AtEnd() && state_.Mode == Directive) {
            const char16_t c = s_.Peek();
            if (IsSpace(c) && !afterWord) {
                s_.EmitSpace();
            } else if (c == u'/' && s_.Peek(1) == u'/') {
                s_.EmitRest(TTokenKind::Comment);
            } else if (c == u'/' && s_.Peek(1) == u'*') {
                CommentUntilClose(s_.Pos() + 2);
                if (state_.Mode == Normal)
                    state_.Mode = Directive;
                afterWord = false;
            } else if (c == u'"') {
                QuotedString(u'"');
                if (state_.Mode == Normal)
                    state_.Mode = Directive;
                afterWord = false;
            } else {
                std::size_t end = s_.Pos() + 1;
                while (end < s_.End() && s_.At(end) != u'"' &&
                       !(s_.At(end) == u'/' && (s_.At(end + 1) == u'/' || s_.At(end + 1) == u'*')))
                    ++end;
                while (end > s_.Pos() && IsSpace(s_.At(end - 1)))
                    --end;
                if (end == s_.Pos())
                    s_.EmitSpace();
                else
                    s_.EmitTo(TTokenKind::Preprocessor, end);
                afterWord = true;
            }
        }
    }

    void Number()
    {
        const std::size_t pos = s_.Pos();
        std::size_t i = pos;
        const bool hex = s_.At(i) == u'0' && (s_.At(i + 1) == u'x' || s_.At(i + 1) == u'X');
        if (hex)
            i += 2;
        for (;;) {
            const char16_t ch = s_.At(i);
            if (IsIdentChar(ch) || ch == u'.') {
                ++i;
            } else if (ch == syntax_.DigitSeparator && i > pos && IsHexDigit(s_.At(i + 1))) {
                ++i;
            } else if ((ch == u'+' || ch == u'-') && i > pos &&
                       (hex ? (s_.At(i - 1) == u'p' || s_.At(i - 1) == u'P')
                            : (s_.At(i - 1) == u'e' || s_.At(i - 1) == u'E'))) {
                ++i;
            } else {
                break;
            }
        }
        s_.EmitTo(TTokenKind::Number, i);
        operand_ = true;
    }

    void Word()
    {
        const std::size_t pos = s_.Pos();
        const bool dollar = syntax_.DollarInNames;
        const std::size_t end = s_.SkipWhile(pos, [dollar](char16_t ch) { return IsIdentChar(ch) || (dollar && ch == u'$'); });
        const std::u16string_view word = s_.Slice(pos, end);
        const char16_t next = s_.At(end);
        if (syntax_.RawStrings && next == u'"' && (word == u"R" || word == u"u8R" || word == u"uR" || word == u"UR" || word == u"LR")) {
            RawStringStart(end);
            return;
        }
        if (syntax_.RawStrings && (next == u'"' || next == u'\'') &&
            (word == u"u8" || word == u"u" || word == u"U" || word == u"L")) {
            s_.EmitTo(TTokenKind::String, end);
            operand_ = true;
            if (next == u'"')
                QuotedString(u'"');
            else if (!CharLiteral())
                s_.Emit(TTokenKind::Operator, 1);
            return;
        }
        if (syntax_.Keywords.Contains(word)) {
            s_.EmitTo(TTokenKind::Keyword, end);
            operand_ = !(syntax_.RegexAfter && syntax_.RegexAfter->Contains(word));
        } else {
            s_.EmitTo(TTokenKind::Identifier, end);
            operand_ = true;
        }
    }

    void QuotedString(char16_t quote)
    {
        s_.Emit(TTokenKind::String, 1);
        StringBody(quote);
    }

    // From inside a string to its closing quote, or on to the next line
    // when the line ends in a backslash.
    void StringBody(char16_t quote)
    {
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            const char16_t ch = s_.At(i);
            if (ch == u'\\') {
                i += 2;
            } else if (ch == quote) {
                s_.EmitTo(TTokenKind::String, i + 1);
                state_.Mode = state_.Mode == Directive ? Directive : Normal;
                return;
            } else {
                ++i;
            }
        }
        s_.EmitRest(TTokenKind::String);
        if (state_.Mode != Directive && EndsWithBackslash()) {
            state_.Mode = StringContinued;
            if (quote == u'\'')
                state_.Flags |= SingleQuoted;
        } else if (state_.Mode == StringContinued) {
            state_.Mode = Normal;
        }
    }

    // 'x', '\n', '\x41', u'\u00e9'; a quote without its partner on the line
    // is punctuation (C++14 digit separators are taken by Number).
    bool CharLiteral()
    {
        std::size_t i = s_.Pos() + 1;
        while (i < s_.End()) {
            const char16_t ch = s_.At(i);
            if (ch == u'\\') {
                i += 2;
            } else if (ch == u'\'') {
                s_.EmitTo(TTokenKind::String, i + 1);
                operand_ = true;
                return true;
            } else {
                ++i;
            }
        }
        return false;
    }

    void RawStringStart(std::size_t quote)
    {
        // The delimiter is at most 16 characters and holds no blank,
        // parenthesis or backslash; anything else is no raw string.
        std::size_t open = quote + 1;
        while (open < s_.End() && open - quote - 1 <= 16) {
            const char16_t ch = s_.At(open);
            if (ch == u'(' || IsSpace(ch) || ch == u')' || ch == u'\\' || ch == u'"')
                break;
            ++open;
        }
        operand_ = true;
        if (s_.At(open) != u'(' || open - quote - 1 > 16) {
            s_.EmitTo(TTokenKind::String, quote);
            QuotedString(u'"');
            return;
        }
        state_.Text.assign(1, u')');
        state_.Text += s_.Slice(quote + 1, open);
        state_.Text += u'"';
        s_.EmitTo(TTokenKind::String, open + 1);
        state_.Mode = RawString;
        RawStringBody();
    }

    void RawStringBody()
    {
        std::size_t close = s_.Find(state_.Text, s_.Pos());
        if (close < s_.End()) {
            s_.EmitTo(TTokenKind::String, close + state_.Text.size());
            state_.Text.clear();
            state_.Mode = Normal;
        } else {
            s_.EmitRest(TTokenKind::String);
        }
    }

    void TripleQuote()
    {
        if (syntax_.TextBlocks) {
            s_.Emit(TTokenKind::String, 3);
            state_.Mode = TextBlock;
            return;
        }
        std::size_t end = s_.SkipWhile(s_.Pos(), [](char16_t ch) { return ch == u'"'; });
        std::size_t quotes = std::min<std::size_t>(end - s_.Pos(), 255);
        s_.EmitTo(TTokenKind::String, end);
        state_.Flags = std::uint16_t((state_.Flags & 0xFF) | (quotes << 8));
        state_.Mode = RawQuotes;
    }

    void TextBlockBody()
    {
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            if (s_.At(i) == u'\\') {
                i += 2;
            } else if (s_.LookingAt(i, u"\"\"\"")) {
                s_.EmitTo(TTokenKind::String, i + 3);
                state_.Mode = Normal;
                return;
            } else {
                ++i;
            }
        }
        s_.EmitRest(TTokenKind::String);
    }

    void RawQuotesBody()
    {
        const std::size_t quotes = state_.Flags >> 8;
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            if (s_.At(i) != u'"') {
                ++i;
                continue;
            }
            std::size_t run = s_.SkipWhile(i, [](char16_t ch) { return ch == u'"'; });
            if (run - i >= quotes) {
                s_.EmitTo(TTokenKind::String, run);
                state_.Mode = Normal;
                state_.Flags &= 0xFF;
                return;
            }
            i = run;
        }
        s_.EmitRest(TTokenKind::String);
    }

    bool AtSign()
    {
        const char16_t next = s_.Peek(1);
        if (syntax_.VerbatimStrings) {
            if (next == u'"') {
                s_.Emit(TTokenKind::String, 2);
                state_.Mode = Verbatim;
                return true;
            }
            if (next == u'$' && s_.Peek(2) == u'"') {
                s_.Emit(TTokenKind::String, 3);
                state_.Mode = VerbatimInterpolated;
                return true;
            }
            if (IsIdentStart(next)) { // @class: a name that would be a keyword
                s_.EmitTo(TTokenKind::Identifier, s_.IdentifierEnd(s_.Pos() + 1));
                return true;
            }
        }
        if (syntax_.Annotations && IsIdentStart(next)) {
            std::size_t end = s_.IdentifierEnd(s_.Pos() + 1);
            std::u16string_view name = s_.Slice(s_.Pos() + 1, end);
            while (s_.At(end) == u'.' && IsIdentStart(s_.At(end + 1)))
                end = s_.IdentifierEnd(end + 1);
            s_.EmitTo(name == u"interface" ? TTokenKind::Keyword : TTokenKind::Annotation, end);
            operand_ = false;
            return true;
        }
        return false;
    }

    bool DollarString()
    {
        if (s_.LookingAt(u"$\"\"\"")) {
            s_.Emit(TTokenKind::String, 1);
            TripleQuote();
            return true;
        }
        if (s_.LookingAt(u"$\"")) {
            s_.Emit(TTokenKind::String, 2);
            state_.Mode = Interpolated;
            return true;
        }
        if (s_.LookingAt(u"$@\"")) {
            s_.Emit(TTokenKind::String, 3);
            state_.Mode = VerbatimInterpolated;
            return true;
        }
        return false;
    }

    void OpenHole(Mode returnTo, std::size_t braceLength)
    {
        s_.Emit(TTokenKind::Operator, braceLength);
        state_.Text.push_back(HoleEntry(returnTo));
        state_.Mode = Normal;
        operand_ = false;
    }

    void HoleBrace(char16_t brace)
    {
        char16_t& top = state_.Text.back();
        s_.Emit(TTokenKind::Operator, 1);
        operand_ = false;
        if (brace == u'{') {
            if ((top & 0xFF) < 0xFF)
                ++top;
        } else if ((top & 0xFF) == 0) {
            state_.Mode = Mode(top >> 8);
            state_.Text.pop_back();
        } else {
            --top;
        }
    }

    void VerbatimBody()
    {
        const bool holes = state_.Mode == VerbatimInterpolated;
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            const char16_t ch = s_.At(i);
            if (ch == u'"' && s_.At(i + 1) == u'"') {
                i += 2;
            } else if (ch == u'"') {
                s_.EmitTo(TTokenKind::String, i + 1);
                state_.Mode = Normal;
                return;
            } else if (holes && ch == u'{' && s_.At(i + 1) == u'{') {
                i += 2;
            } else if (holes && ch == u'{') {
                s_.EmitTo(TTokenKind::String, i);
                OpenHole(VerbatimInterpolated, 1);
                return;
            } else {
                ++i;
            }
        }
        s_.EmitRest(TTokenKind::String);
    }

    void InterpolatedBody()
    {
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            const char16_t ch = s_.At(i);
            if (ch == u'\\') {
                i += 2;
            } else if (ch == u'"') {
                s_.EmitTo(TTokenKind::String, i + 1);
                state_.Mode = Normal;
                return;
            } else if (ch == u'{' && s_.At(i + 1) == u'{') {
                i += 2;
            } else if (ch == u'{') {
                s_.EmitTo(TTokenKind::String, i);
                OpenHole(Interpolated, 1);
                return;
            } else {
                ++i;
            }
        }
        s_.EmitRest(TTokenKind::String);
    }

    void TemplateBody()
    {
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            const char16_t ch = s_.At(i);
            if (ch == u'\\') {
                i += 2;
            } else if (ch == u'`') {
                s_.EmitTo(TTokenKind::String, i + 1);
                state_.Mode = Normal;
                operand_ = true;
                return;
            } else if (ch == u'$' && s_.At(i + 1) == u'{') {
                s_.EmitTo(TTokenKind::String, i);
                OpenHole(Template, 2);
                return;
            } else {
                ++i;
            }
        }
        s_.EmitRest(TTokenKind::String);
    }

    // A slash where an operand is due: a regular expression when its
    // closing slash (outside a [class]) follows on the line, else plain
    // division. A class opened after the line's last ']' never closes, so
    // nothing after it can end the pattern; and no pattern is longer than
    // MaxRegex. Both keep a line full of slashes that never close linear.
    bool Regex()
    {
        constexpr std::size_t MaxRegex = 1024;
        if (!lastBracketKnown_) {
            std::size_t last = s_.Line().substr(0, s_.End()).rfind(u']');
            lastBracket_ = last == std::u16string_view::npos ? 0 : last + 1;
            lastBracketKnown_ = true;
        }
        bool inClass = false;
        const std::size_t end = std::min(s_.End(), s_.Pos() + MaxRegex);
        for (std::size_t i = s_.Pos() + 1; i < end; ++i) {
            const char16_t ch = s_.At(i);
            if (ch == u'\\') {
                ++i;
            } else if (ch == u'[') {
                if (i >= lastBracket_)
                    return false;
                inClass = true;
            } else if (ch == u']') {
                inClass = false;
            } else if (ch == u'/' && !inClass) {
                s_.EmitTo(TTokenKind::Regex, s_.IdentifierEnd(i + 1));
                operand_ = true;
                return true;
            }
        }
        return false;
    }

    const TCFamilySyntax& syntax_;
    TLineScanner& s_;
    TScanState& state_;
    bool operand_;
    bool lastBracketKnown_ = false;
    std::size_t lastBracket_ = 0; // just past the line's last ']'
};

} // namespace

void TCFamilyScanner::Scan(TLineScanner& scanner, TScanState& state) const
{
    Line(syntax_, scanner, state).Run();
}

} // namespace lorivex
