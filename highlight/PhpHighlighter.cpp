#include "highlight/PhpHighlighter.h"

#include "highlight/KeywordSet.h"
#include "highlight/MarkupScanner.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsIdentChar;
using chars::IsIdentStart;

constexpr std::u16string_view PhpKeywords[] = {
    u"__class__", u"__dir__", u"__file__", u"__function__", u"__line__", u"__method__",
    u"__namespace__", u"__trait__", u"abstract", u"and", u"array", u"as", u"bool", u"break",
    u"callable", u"case", u"catch", u"class", u"clone", u"const", u"continue", u"declare",
    u"default", u"die", u"do", u"echo", u"else", u"elseif", u"empty", u"enddeclare", u"endfor",
    u"endforeach", u"endif", u"endswitch", u"endwhile", u"enum", u"eval", u"exit", u"extends",
    u"false", u"final", u"finally", u"float", u"fn", u"for", u"foreach", u"function", u"global",
    u"goto", u"if", u"implements", u"include", u"include_once", u"instanceof", u"insteadof", u"int",
    u"interface", u"isset", u"iterable", u"list", u"match", u"mixed", u"namespace", u"never",
    u"new", u"null", u"object", u"or", u"parent", u"print", u"private", u"protected", u"public",
    u"readonly", u"require", u"require_once", u"return", u"self", u"static", u"string", u"switch",
    u"throw", u"trait", u"true", u"try", u"unset", u"use", u"var", u"void", u"while", u"xor",
    u"yield",
};
static_assert(IsKeywordTable(PhpKeywords, true));
constexpr TKeywordSet PhpKeywordSet(PhpKeywords, true);

// The state's Code.Mode; Html means outside the code islands, where the
// markup state applies.
enum Mode : std::uint16_t { Html = 0, Code, BlockComment, DoubleQuoted, SingleQuoted, Backtick, Heredoc, Nowdoc };

class Line {
public:
    Line(TLineScanner& s, TLineState& state) : s_(s), state_(state), code_(state.Code) {}

    void Run()
    {
        const std::size_t lineStart = s_.Pos();
        while (!s_.AtEnd()) {
            switch (code_.Mode) {
            case Html: HtmlUntilCode(); break;
            case BlockComment: BlockCommentBody(s_.Pos()); break;
            case DoubleQuoted: QuotedBody(u'"'); break;
            case Backtick: QuotedBody(u'`'); break;
            case SingleQuoted: SingleQuotedBody(); break;
            case Heredoc:
            case Nowdoc: DocumentLine(s_.Pos() == lineStart); break;
            default: CodeToken(); break;
            }
        }
    }

private:
    // Where the next code island opens, and how long its opening tag is.
    std::size_t FindOpenTag(std::size_t from, std::size_t& length) const
    {
        for (std::size_t at = s_.Find(u"<?", from); at < s_.End(); at = s_.Find(u"<?", at + 2)) {
            const char16_t after = s_.At(at + 2);
            if (s_.LookingAtNoCase(at + 2, u"php") && !IsIdentChar(s_.At(at + 5))) {
                length = 5;
                return at;
            }
            if (after == u'=') {
                length = 3;
                return at;
            }
            if (after == 0 || chars::IsSpace(after)) {
                length = 2;
                return at;
            }
        }
        return s_.End();
    }

    void HtmlUntilCode()
    {
        std::size_t length = 0;
        std::size_t open = FindOpenTag(s_.Pos(), length);
        std::size_t end = s_.LimitEnd(open);
        TMarkupScanner({true, false}).Scan(s_, state_.Markup, state_.Embedded);
        s_.RestoreEnd(end);
        if (open < s_.End()) {
            s_.Emit(TTokenKind::Preprocessor, length);
            code_.Mode = Code;
        }
    }

    void CodeToken()
    {
        const char16_t c = s_.Peek();
        if (s_.EmitSpace())
            return;
        if (s_.LookingAt(u"?>")) {
            s_.Emit(TTokenKind::Preprocessor, 2);
            code_.Mode = Html;
        } else if (s_.LookingAt(u"#[")) {
            s_.EmitTo(TTokenKind::Annotation, std::min(s_.Find(u"]", s_.Pos()) + 1, s_.End()));
        } else if (c == u'#' || s_.LookingAt(u"//")) {
            // A line comment ends where the code island does.
            s_.EmitTo(TTokenKind::Comment, s_.Find(u"?>", s_.Pos()));
        } else if (s_.LookingAt(u"/*")) {
            BlockCommentBody(s_.Pos() + 2);
        } else if (c == u'$' && (IsIdentStart(s_.Peek(1)) || s_.Peek(1) == u'$')) {
            s_.EmitTo(TTokenKind::Variable, s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) {
                return IsIdentChar(ch) || ch == u'$';
            }));
        } else if (IsIdentStart(c) || c == u'\\') {
            std::size_t end = s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) { return IsIdentChar(ch) || ch == u'\\'; });
            s_.EmitTo(PhpKeywordSet.Contains(s_.Slice(s_.Pos(), end)) ? TTokenKind::Keyword : TTokenKind::Identifier,
                      end);
        } else if (IsDigit(c) || (c == u'.' && IsDigit(s_.Peek(1)))) {
            Number();
        } else if (c == u'"' || c == u'`') {
            s_.Emit(TTokenKind::String, 1);
            code_.Mode = c == u'"' ? DoubleQuoted : Backtick;
        } else if (c == u'\'') {
            s_.Emit(TTokenKind::String, 1);
            code_.Mode = SingleQuoted;
        } else if (!(s_.LookingAt(u"<<<") && DocumentStart())) {
            s_.Emit(TTokenKind::Operator, 1);
        }
    }

    void Number()
    {
        std::size_t i = s_.Pos();
        for (;;) {
            const char16_t ch = s_.At(i);
            if (IsIdentChar(ch) || ch == u'.')
                ++i;
            else if ((ch == u'+' || ch == u'-') && (s_.At(i - 1) == u'e' || s_.At(i - 1) == u'E') &&
                     !(s_.At(s_.Pos() + 1) == u'x' || s_.At(s_.Pos() + 1) == u'X'))
                ++i;
            else
                break;
        }
        s_.EmitTo(TTokenKind::Number, i);
    }

    void BlockCommentBody(std::size_t from)
    {
        std::size_t close = s_.Find(u"*/", from);
        if (close < s_.End()) {
            s_.EmitTo(TTokenKind::Comment, close + 2);
            code_.Mode = Code;
        } else {
            s_.EmitRest(TTokenKind::Comment);
            code_.Mode = BlockComment;
        }
    }

    void SingleQuotedBody()
    {
        std::size_t i = s_.Pos();
        while (i < s_.End() && s_.At(i) != u'\'')
            i += s_.At(i) == u'\\' ? 2 : 1;
        if (i < s_.End()) {
            s_.EmitTo(TTokenKind::String, i + 1);
            code_.Mode = Code;
        } else {
            s_.EmitRest(TTokenKind::String);
        }
    }

    // Text with variables inside ("...", `...`, here-documents) up to the
    // closing QUOTE (0: none) or the end of the line; true when closed.
    bool InterpolatedRun(char16_t quote)
    {
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            const char16_t ch = s_.At(i);
            if (ch == u'\\') {
                i += 2;
            } else if (quote && ch == quote) {
                s_.EmitTo(TTokenKind::String, i + 1);
                return true;
            } else if (ch == u'$' && IsIdentStart(s_.At(i + 1))) {
                s_.EmitTo(TTokenKind::String, i);
                std::size_t end = s_.IdentifierEnd(i + 1);
                if (s_.LookingAt(end, u"->") && IsIdentStart(s_.At(end + 2)))
                    end = s_.IdentifierEnd(end + 2);
                s_.EmitTo(TTokenKind::Variable, end);
                i = end;
            } else if ((ch == u'{' && s_.At(i + 1) == u'$') || (ch == u'$' && s_.At(i + 1) == u'{')) {
                s_.EmitTo(TTokenKind::String, i);
                std::size_t end = i + 2;
                for (int depth = 1; end < s_.End() && depth > 0; ++end)
                    depth += s_.At(end) == u'{' ? 1 : s_.At(end) == u'}' ? -1 : 0;
                s_.EmitTo(TTokenKind::Variable, end);
                i = end;
            } else {
                ++i;
            }
        }
        s_.EmitRest(TTokenKind::String);
        return false;
    }

    void QuotedBody(char16_t quote)
    {
        if (InterpolatedRun(quote))
            code_.Mode = Code;
    }

    // <<<EOT, <<<"EOT" (both with variables) and <<<'EOT' (without).
    bool DocumentStart()
    {
        std::size_t i = s_.SpaceEnd(s_.Pos() + 3);
        const char16_t quote = s_.At(i) == u'"' || s_.At(i) == u'\'' ? s_.At(i) : 0;
        if (quote)
            ++i;
        if (!IsIdentStart(s_.At(i)))
            return false;
        std::size_t end = s_.IdentifierEnd(i);
        if (quote && s_.At(end) != quote)
            return false;
        code_.Text = s_.Slice(i, end);
        code_.Mode = quote == u'\'' ? Nowdoc : Heredoc;
        s_.EmitTo(TTokenKind::String, quote ? end + 1 : end);
        return true;
    }

    // A line of a here- or now-document: its text, or the terminator
    // (which may be indented) and the code after it.
    void DocumentLine(bool atLineStart)
    {
        if (atLineStart) {
            std::size_t name = s_.SpaceEnd(s_.Pos());
            if (s_.LookingAt(name, code_.Text) && !IsIdentChar(s_.At(name + code_.Text.size()))) {
                s_.EmitSpace();
                s_.EmitTo(TTokenKind::String, name + code_.Text.size());
                code_.Mode = Code;
                code_.Text.clear();
                return;
            }
        }
        if (code_.Mode == Nowdoc)
            s_.EmitRest(TTokenKind::String);
        else
            InterpolatedRun(0);
    }

    TLineScanner& s_;
    TLineState& state_;
    TScanState& code_;
};

} // namespace

TPhpHighlighter::TPhpHighlighter()
    : THighlighter("PHP", "php", {".php", ".php3", ".php4", ".php5", ".phtml"},
                   {TTokenKind::Preprocessor, TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Variable,
                    TTokenKind::Comment, TTokenKind::String, TTokenKind::Number, TTokenKind::Operator,
                    TTokenKind::Annotation, TTokenKind::Text, TTokenKind::Tag, TTokenKind::AttributeName,
                    TTokenKind::AttributeValue, TTokenKind::Entity, TTokenKind::Regex, TTokenKind::Selector,
                    TTokenKind::Property, TTokenKind::Value, TTokenKind::AtRule})
{
}

void TPhpHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    Line(scanner, state).Run();
}

} // namespace lorivex
