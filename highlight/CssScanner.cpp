#include "highlight/CssScanner.h"

#include "highlight/KeywordSet.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsHexDigit;
using chars::IsIdentChar;
using chars::IsIdentStart;

enum Mode : std::uint16_t { Selector = 0, Declarations, Value, Prelude, Comment };

// Flags: the low byte is the mode a comment returns to; GroupRule says the
// at-rule being read holds rules rather than declarations.
constexpr std::uint16_t GroupRule = 0x100;

// The state's Text is the stack of open blocks, innermost last.
constexpr char16_t RuleBlock = u'r';  // declarations
constexpr char16_t GroupBlock = u'g'; // rules (@media, @supports, ...)

constexpr std::u16string_view GroupAtRules[] = {
    u"-moz-document", u"-moz-keyframes", u"-webkit-keyframes", u"container", u"document",
    u"keyframes",     u"layer",          u"media",             u"scope",     u"starting-style",
    u"supports",
};
static_assert(IsKeywordTable(GroupAtRules, true));
constexpr TKeywordSet GroupAtRuleSet(GroupAtRules, true);

constexpr std::u16string_view PreludeWords[] = {u"and", u"not", u"only", u"or"};
static_assert(IsKeywordTable(PreludeWords, true));
constexpr TKeywordSet PreludeWordSet(PreludeWords, true);

bool IsNameChar(char16_t c) { return IsIdentChar(c) || c == u'-'; }

class Line {
public:
    Line(TLineScanner& s, TScanState& state) : s_(s), state_(state) {}

    void Run()
    {
        while (!s_.AtEnd()) {
            if (state_.Mode == Comment) {
                CommentUntilClose(s_.Pos());
                continue;
            }
            if (s_.EmitSpace())
                continue;
            if (s_.LookingAt(u"/*")) {
                state_.Flags = std::uint16_t((state_.Flags & ~0xFF) | state_.Mode);
                CommentUntilClose(s_.Pos() + 2);
                continue;
            }
            switch (state_.Mode) {
            case Declarations: DeclarationToken(); break;
            case Value: ValueToken(); break;
            case Prelude: PreludeToken(); break;
            default: SelectorToken(); break;
            }
        }
    }

private:
    void CommentUntilClose(std::size_t from)
    {
        std::size_t close = s_.Find(u"*/", from);
        if (close < s_.End()) {
            s_.EmitTo(TTokenKind::Comment, close + 2);
            state_.Mode = std::uint16_t(state_.Flags & 0xFF);
            state_.Flags &= std::uint16_t(~0xFF);
        } else {
            s_.EmitRest(TTokenKind::Comment);
            state_.Mode = Comment;
        }
    }

    // The mode inside the innermost open block.
    Mode BlockMode() const
    {
        return !state_.Text.empty() && state_.Text.back() == RuleBlock ? Declarations : Selector;
    }

    void OpenBlock(char16_t kind)
    {
        s_.Emit(TTokenKind::Operator, 1);
        state_.Text.push_back(kind);
        state_.Mode = kind == RuleBlock ? Declarations : Selector;
    }

    void CloseBlock()
    {
        s_.Emit(TTokenKind::Operator, 1);
        if (!state_.Text.empty())
            state_.Text.pop_back();
        state_.Mode = BlockMode();
    }

    bool QuotedString()
    {
        const char16_t quote = s_.Peek();
        if (quote != u'"' && quote != u'\'')
            return false;
        std::size_t i = s_.Pos() + 1;
        while (i < s_.End() && s_.At(i) != quote)
            i += s_.At(i) == u'\\' ? 2 : 1;
        s_.EmitTo(TTokenKind::String, i + 1);
        return true;
    }

    void AtRule()
    {
        std::size_t end = s_.SkipWhile(s_.Pos() + 1, IsNameChar);
        bool group = GroupAtRuleSet.Contains(s_.Slice(s_.Pos() + 1, end));
        s_.EmitTo(TTokenKind::AtRule, end);
        state_.Mode = Prelude;
        state_.Flags = std::uint16_t(group ? (state_.Flags | GroupRule) : (state_.Flags & ~GroupRule));
    }

    void SelectorToken()
    {
        const char16_t c = s_.Peek();
        if (c == u'@' && IsIdentStart(s_.Peek(1) == u'-' ? s_.Peek(2) : s_.Peek(1))) {
            AtRule();
        } else if (c == u'{') {
            OpenBlock(RuleBlock);
        } else if (c == u'}') {
            CloseBlock();
        } else if (c == u',' || c == u'>' || c == u'+' || c == u'~' || c == u';') {
            s_.Emit(TTokenKind::Operator, 1);
        } else if (!QuotedString()) {
            std::size_t end = s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) {
                return !chars::IsSpace(ch) && ch != u'{' && ch != u'}' && ch != u',' && ch != u'>' && ch != u'+' &&
                       ch != u'~' && ch != u'"' && ch != u'\'' && ch != u'/' && ch != u';';
            });
            s_.EmitTo(TTokenKind::Selector, end);
        }
    }

    // Inside a rule a name before "{" is a nested rule's selector; before
    // ":" it is a property. The answer holds up to the brace or semicolon
    // that gave it, so the line is searched once however many words lie
    // before that.
    bool NestedRuleAhead()
    {
        if (s_.Pos() < aheadUntil_)
            return nestedAhead_;
        std::size_t i = s_.Pos();
        while (i < s_.End() && s_.At(i) != u'{' && s_.At(i) != u';' && s_.At(i) != u'}')
            ++i;
        aheadUntil_ = i;
        nestedAhead_ = s_.At(i) == u'{';
        return nestedAhead_;
    }

    void DeclarationToken()
    {
        const char16_t c = s_.Peek();
        if (c == u'}') {
            CloseBlock();
        } else if (c == u';') {
            s_.Emit(TTokenKind::Operator, 1);
        } else if (c == u':') {
            s_.Emit(TTokenKind::Operator, 1);
            state_.Mode = Value;
        } else if (c == u'@') {
            AtRule();
        } else if (NestedRuleAhead()) {
            state_.Mode = Selector;
        } else if (IsNameChar(c) || c == u'*') {
            s_.EmitTo(TTokenKind::Property, s_.SkipWhile(s_.Pos() + 1, IsNameChar));
        } else {
            s_.Emit(TTokenKind::Operator, 1);
        }
    }

    bool Number()
    {
        const char16_t c = s_.Peek();
        std::size_t start = s_.Pos();
        if ((c == u'-' || c == u'+') && (IsDigit(s_.Peek(1)) || (s_.Peek(1) == u'.' && IsDigit(s_.Peek(2)))))
            ++start;
        else if (!IsDigit(c) && !(c == u'.' && IsDigit(s_.Peek(1))))
            return false;
        std::size_t end = s_.SkipWhile(start, [](char16_t ch) { return IsDigit(ch) || ch == u'.'; });
        if ((s_.At(end) == u'e' || s_.At(end) == u'E') && IsDigit(s_.At(end + 1)))
            end = s_.SkipWhile(end + 1, IsDigit);
        end = s_.SkipWhile(end, [](char16_t ch) { return chars::IsAsciiLetter(ch) || ch == u'%'; });
        s_.EmitTo(TTokenKind::Number, end);
        return true;
    }

    // url(...) takes its argument unquoted, slashes and all.
    void FunctionOrName(TTokenKind kind)
    {
        std::size_t end = s_.SkipWhile(s_.Pos() + 1, IsNameChar);
        const bool url = s_.LookingAtNoCase(u"url(") && end == s_.Pos() + 3;
        s_.EmitTo(kind, end);
        if (url) {
            s_.Emit(TTokenKind::Operator, 1);
            std::size_t space = s_.SpaceEnd(s_.Pos());
            if (s_.At(space) != u'"' && s_.At(space) != u'\'') {
                std::size_t close = s_.Find(u")", s_.Pos());
                s_.EmitTo(TTokenKind::String, close);
            }
        }
    }

    void ValueToken()
    {
        const char16_t c = s_.Peek();
        if (c == u';') {
            s_.Emit(TTokenKind::Operator, 1);
            state_.Mode = Declarations;
        } else if (c == u'}') {
            CloseBlock();
        } else if (c == u'!' && s_.LookingAtNoCase(s_.SpaceEnd(s_.Pos() + 1), u"important")) {
            s_.EmitTo(TTokenKind::Keyword, s_.SpaceEnd(s_.Pos() + 1) + 9);
        } else if (c == u'#' && IsIdentChar(s_.Peek(1))) {
            s_.EmitTo(TTokenKind::Number, s_.SkipWhile(s_.Pos() + 1, IsHexDigit));
            if (IsIdentChar(s_.Peek()))
                s_.EmitTo(TTokenKind::Value, s_.SkipWhile(s_.Pos(), IsNameChar));
        } else if (Number() || QuotedString()) {
        } else if (IsIdentStart(c) || (c == u'-' && (IsIdentStart(s_.Peek(1)) || s_.Peek(1) == u'-'))) {
            FunctionOrName(TTokenKind::Value);
        } else {
            s_.Emit(TTokenKind::Operator, 1);
        }
    }

    void PreludeToken()
    {
        const char16_t c = s_.Peek();
        if (c == u'{') {
            OpenBlock(state_.Flags & GroupRule ? GroupBlock : RuleBlock);
            state_.Flags &= std::uint16_t(~GroupRule);
        } else if (c == u';') {
            s_.Emit(TTokenKind::Operator, 1);
            state_.Flags &= std::uint16_t(~GroupRule);
            state_.Mode = BlockMode();
        } else if (c == u'}') {
            CloseBlock();
        } else if (Number() || QuotedString()) {
        } else if (IsIdentStart(c) || c == u'-') {
            std::size_t end = s_.SkipWhile(s_.Pos() + 1, IsNameChar);
            if (PreludeWordSet.Contains(s_.Slice(s_.Pos(), end)))
                s_.EmitTo(TTokenKind::Keyword, end);
            else if (s_.At(s_.SpaceEnd(end)) == u':')
                s_.EmitTo(TTokenKind::Property, end);
            else
                FunctionOrName(TTokenKind::Value);
        } else {
            s_.Emit(TTokenKind::Operator, 1);
        }
    }

    TLineScanner& s_;
    TScanState& state_;
    std::size_t aheadUntil_ = 0;
    bool nestedAhead_ = false;
};

} // namespace

void TCssScanner::Scan(TLineScanner& scanner, TScanState& state) const
{
    Line(scanner, state).Run();
}

} // namespace lorivex
