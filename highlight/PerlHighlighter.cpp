#include "highlight/PerlHighlighter.h"

#include "highlight/KeywordSet.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsIdentChar;
using chars::IsIdentStart;
using chars::IsSpace;

constexpr std::u16string_view PerlKeywords[] = {
    u"AUTOLOAD", u"BEGIN", u"CHECK", u"DESTROY", u"END", u"INIT", u"UNITCHECK", u"__FILE__",
    u"__LINE__", u"__PACKAGE__", u"__SUB__", u"abs", u"and", u"atan2", u"binmode", u"bless",
    u"caller", u"chdir", u"chmod", u"chomp", u"chop", u"chown", u"chr", u"close", u"closedir",
    u"cmp", u"continue", u"cos", u"crypt", u"default", u"defined", u"delete", u"die", u"do",
    u"dump", u"each", u"else", u"elsif", u"eof", u"eq", u"eval", u"exec", u"exists", u"exit",
    u"exp", u"for", u"foreach", u"fork", u"format", u"ge", u"given", u"glob", u"gmtime", u"goto",
    u"grep", u"gt", u"hex", u"if", u"index", u"int", u"ioctl", u"join", u"keys", u"kill", u"last",
    u"lc", u"lcfirst", u"le", u"length", u"link", u"local", u"localtime", u"lock", u"log", u"lstat",
    u"lt", u"map", u"mkdir", u"my", u"ne", u"next", u"no", u"not", u"oct", u"open", u"opendir",
    u"or", u"ord", u"our", u"pack", u"package", u"pipe", u"pop", u"pos", u"print", u"printf",
    u"push", u"quotemeta", u"rand", u"read", u"readdir", u"readline", u"readlink", u"redo", u"ref",
    u"rename", u"require", u"reset", u"return", u"reverse", u"rewinddir", u"rindex", u"rmdir",
    u"say", u"scalar", u"seek", u"select", u"shift", u"sin", u"sleep", u"sort", u"splice", u"split",
    u"sprintf", u"sqrt", u"srand", u"stat", u"state", u"study", u"sub", u"substr", u"symlink",
    u"syscall", u"sysopen", u"sysread", u"system", u"syswrite", u"tell", u"tie", u"time", u"uc",
    u"ucfirst", u"umask", u"undef", u"unless", u"unlink", u"unpack", u"unshift", u"untie", u"until",
    u"use", u"utime", u"values", u"wait", u"waitpid", u"wantarray", u"warn", u"when", u"while",
    u"write", u"x", u"xor",
};
static_assert(IsKeywordTable(PerlKeywords));
constexpr TKeywordSet PerlKeywordSet(PerlKeywords, false);

enum Mode : std::uint16_t { Normal = 0, Pod, Data, HereDoc, Quote };

// Flags
constexpr std::uint16_t AfterOperand = 1; // a slash divides
constexpr std::uint16_t AfterEnd = 2;     // past __END__: POD returns to data

// A quoted construct still open at the end of a line, kept in the state's
// Text as six characters.
struct QuoteState {
    char16_t Close = 0;
    char16_t Open = 0;       // differs from Close for bracketing delimiters
    std::uint16_t Depth = 0; // brackets opened inside
    std::uint16_t PartsAfter = 0; // s/a/b/ and tr/a/b/ have a second part
    TTokenKind Kind = TTokenKind::String;
    bool Interpolates = false;
    bool AwaitingOpen = false; // between s{...} and its {...}

    std::u16string Encode() const
    {
        return {Close, Open, char16_t(Depth), char16_t(PartsAfter), char16_t(Kind),
                char16_t((Interpolates ? 1 : 0) | (AwaitingOpen ? 2 : 0))};
    }
    static QuoteState Decode(const std::u16string& text)
    {
        QuoteState q;
        if (text.size() == 6) {
            q.Close = text[0];
            q.Open = text[1];
            q.Depth = text[2];
            q.PartsAfter = text[3];
            q.Kind = TTokenKind(text[4]);
            q.Interpolates = (text[5] & 1) != 0;
            q.AwaitingOpen = (text[5] & 2) != 0;
        }
        return q;
    }
};

// Here-documents waiting for their bodies, in the state's Text: per
// document a flags character, the terminator and a line feed.
constexpr char16_t Indented = 1;     // <<~: the terminator may be indented
constexpr char16_t Interpolated = 2; // variables inside

char16_t ClosingOf(char16_t open)
{
    switch (open) {
    case u'(': return u')';
    case u'[': return u']';
    case u'{': return u'}';
    case u'<': return u'>';
    default: return open;
    }
}

bool IsSpecialVariable(char16_t c)
{
    return c == u'&' || c == u'`' || c == u'\'' || c == u'+' || c == u'!' || c == u'@' || c == u'/' ||
           c == u'\\' || c == u',' || c == u';' || c == u'.' || c == u'<' || c == u'>' || c == u'0' || c == u'|';
}

class Line {
public:
    Line(TLineScanner& s, TScanState& state)
        : s_(s), state_(state), operand_((state.Flags & AfterOperand) != 0)
    {
    }

    void Run()
    {
        switch (state_.Mode) {
        case Pod: PodLine(); break;
        case Data: DataLine(); break;
        case HereDoc: HereDocLine(); break;
        default:
            if (state_.Mode == Normal && s_.Peek() == u'=' && chars::IsAsciiLetter(s_.Peek(1))) {
                PodLine();
                break;
            }
            if (state_.Mode == Quote)
                QuoteBody();
            while (!s_.AtEnd() && state_.Mode == Normal)
                Token();
            break;
        }
        if (!pending_.empty() && state_.Mode == Normal) {
            state_.Mode = HereDoc;
            state_.Text = pending_;
        }
        state_.Flags = std::uint16_t((state_.Flags & ~AfterOperand) | (operand_ ? AfterOperand : 0));
    }

private:
    void PodLine()
    {
        const bool cut = s_.LookingAt(u"=cut") && !IsIdentChar(s_.Peek(4));
        s_.EmitRest(TTokenKind::Documentation);
        if (cut)
            state_.Mode = state_.Flags & AfterEnd ? Data : Normal;
        else
            state_.Mode = Pod;
    }

    void DataLine()
    {
        if (s_.Peek() == u'=' && chars::IsAsciiLetter(s_.Peek(1)))
            PodLine();
        else
            s_.EmitRest(TTokenKind::Text);
    }

    void HereDocLine()
    {
        std::size_t entryEnd = state_.Text.find(u'\n');
        if (entryEnd == std::u16string::npos || entryEnd == 0) {
            state_.Mode = Normal;
            state_.Text.clear();
            return;
        }
        const char16_t flags = state_.Text[0];
        std::u16string_view terminator(state_.Text.data() + 1, entryEnd - 1);
        std::size_t start = flags & Indented ? s_.SpaceEnd(s_.Pos()) : s_.Pos();
        if (s_.Slice(start, s_.End()) == terminator) {
            s_.EmitRest(TTokenKind::String);
            state_.Text.erase(0, entryEnd + 1);
            if (state_.Text.empty())
                state_.Mode = Normal;
            return;
        }
        if (flags & Interpolated)
            InterpolatedRun(s_.End());
        else
            s_.EmitRest(TTokenKind::String);
    }

    // String text up to END with the variables inside picked out.
    void InterpolatedRun(std::size_t end)
    {
        std::size_t i = s_.Pos();
        while (i < end) {
            const char16_t c = s_.At(i);
            if (c == u'\\') {
                i += 2;
                continue;
            }
            std::size_t length = 0;
            if ((c == u'$' || c == u'@') && i + 1 < end && (IsIdentStart(s_.At(i + 1)) || s_.At(i + 1) == u'{'))
                length = VariableLength(i, end);
            if (length == 0) {
                ++i;
                continue;
            }
            s_.EmitTo(TTokenKind::String, i);
            s_.EmitTo(TTokenKind::Variable, i + length);
            i += length;
        }
        s_.EmitTo(TTokenKind::String, end);
    }

    // $name, $pkg::name, ${name}, @name, $#name, $1, $_, $@ ...; 0 when
    // there is no variable at AT.
    std::size_t VariableLength(std::size_t at, std::size_t end) const
    {
        std::size_t i = at + 1;
        if (s_.At(at) == u'$' && s_.At(i) == u'#' && (IsIdentStart(s_.At(i + 1)) || s_.At(i + 1) == u'$' || s_.At(i + 1) == u'{'))
            ++i;
        while (s_.At(i) == u'$' && i < end)
            ++i; // $$ref, @$ref
        if (s_.At(i) == u'{') {
            std::size_t nameEnd = s_.IdentifierEnd(i + 1);
            if (nameEnd < end && s_.At(nameEnd) == u'}' && nameEnd > i + 1)
                return nameEnd + 1 - at;
            return i - at; // the sigil of ${ expression }
        }
        if (IsDigit(s_.At(i)))
            return s_.SkipWhile(i, IsDigit) - at;
        if (IsIdentStart(s_.At(i)) || (s_.At(i) == u':' && s_.At(i + 1) == u':')) {
            for (;;) {
                i = s_.IdentifierEnd(i);
                if (s_.At(i) == u':' && s_.At(i + 1) == u':' && IsIdentStart(s_.At(i + 2)))
                    i += 2;
                else
                    break;
            }
            return std::min(i, end) - at;
        }
        if (s_.At(at) == u'$' && i == at + 1 && IsSpecialVariable(s_.At(i)))
            return 2;
        return i > at + 1 ? i - at : 0;
    }

    void Token()
    {
        const char16_t c = s_.Peek();
        const std::size_t pos = s_.Pos();
        if (s_.EmitSpace())
            return;
        if (c == u'#') {
            s_.EmitRest(TTokenKind::Comment);
            return;
        }
        if (pos == 0 && (s_.LookingAt(u"__END__") || s_.LookingAt(u"__DATA__"))) {
            s_.EmitRest(TTokenKind::Keyword);
            state_.Mode = Data;
            state_.Flags |= AfterEnd;
            return;
        }
        if (c == u'$' || c == u'@' || (c == u'%' && !operand_)) {
            if (std::size_t length = VariableLength(pos, s_.End())) {
                s_.Emit(TTokenKind::Variable, length);
                operand_ = true;
                return;
            }
        }
        if (IsDigit(c)) {
            Number();
            return;
        }
        if (IsIdentStart(c)) {
            Word();
            return;
        }
        if (c == u'"' || c == u'`') {
            StartQuote(pos, 0, TTokenKind::String, true);
            return;
        }
        if (c == u'\'') {
            StartQuote(pos, 0, TTokenKind::String, false);
            return;
        }
        if (c == u'/' && !operand_ && ClosingSlash(pos + 1)) {
            StartQuote(pos, 0, TTokenKind::Regex, false);
            return;
        }
        if (s_.LookingAt(u"<<") && HereDocStart())
            return;
        std::size_t end = pos + 1;
        if ((c == u'=' || c == u'!') && s_.At(end) == u'~')
            ++end;
        s_.EmitTo(TTokenKind::Operator, end);
        operand_ = c == u')' || c == u']' || c == u'}';
    }

    // Whether a pattern started by a bare slash ends on this line: a slash
    // where an operand is due that has no partner is taken for division
    // rather than colouring the lines after it as a pattern.
    bool ClosingSlash(std::size_t from) const
    {
        for (std::size_t i = from; i < s_.End(); ++i) {
            if (s_.At(i) == u'\\')
                ++i;
            else if (s_.At(i) == u'/')
                return true;
        }
        return false;
    }

    void Number()
    {
        std::size_t i = s_.Pos();
        if (s_.At(i) == u'0' && (s_.At(i + 1) == u'x' || s_.At(i + 1) == u'X' || s_.At(i + 1) == u'b' || s_.At(i + 1) == u'B')) {
            i = s_.SkipWhile(i + 2, [](char16_t ch) { return chars::IsHexDigit(ch) || ch == u'_'; });
        } else {
            i = s_.SkipWhile(i, [](char16_t ch) { return IsDigit(ch) || ch == u'_'; });
            if (s_.At(i) == u'.' && IsDigit(s_.At(i + 1)))
                i = s_.SkipWhile(i + 1, [](char16_t ch) { return IsDigit(ch) || ch == u'_'; });
            if ((s_.At(i) == u'e' || s_.At(i) == u'E') &&
                (IsDigit(s_.At(i + 1)) || ((s_.At(i + 1) == u'-' || s_.At(i + 1) == u'+') && IsDigit(s_.At(i + 2)))))
                i = s_.SkipWhile(i + 2, IsDigit);
        }
        s_.EmitTo(TTokenKind::Number, i);
        operand_ = true;
    }

    void Word()
    {
        const std::size_t pos = s_.Pos();
        std::size_t end = s_.IdentifierEnd(pos);
        while (s_.At(end) == u':' && s_.At(end + 1) == u':' && IsIdentStart(s_.At(end + 2)))
            end = s_.IdentifierEnd(end + 2);
        std::u16string_view word = s_.Slice(pos, end);
        const bool method = pos >= 2 && s_.At(pos - 1) == u'>' && s_.At(pos - 2) == u'-';
        if (!method && QuoteLike(word, end))
            return;
        if (!method && PerlKeywordSet.Contains(word)) {
            s_.EmitTo(TTokenKind::Keyword, end);
            operand_ = false;
        } else {
            s_.EmitTo(TTokenKind::Identifier, end);
            operand_ = true;
        }
    }

    bool QuoteLike(std::u16string_view word, std::size_t end)
    {
        TTokenKind kind;
        std::uint16_t parts = 0;
        bool interpolates = false;
        if (word == u"q" || word == u"qw") {
            kind = TTokenKind::String;
        } else if (word == u"qq" || word == u"qx") {
            kind = TTokenKind::String;
            interpolates = true;
        } else if (word == u"m" || word == u"qr") {
            kind = TTokenKind::Regex;
        } else if (word == u"s" || word == u"tr" || word == u"y") {
            kind = TTokenKind::Regex;
            parts = 1;
        } else {
            return false;
        }
        std::size_t open = s_.SpaceEnd(end);
        const char16_t d = s_.At(open);
        if (d == 0 || IsIdentChar(d) || IsSpace(d) || d == u',' || d == u';' || d == u')' || d == u']' ||
            d == u'}' || d == u'>' || (d == u'=' && (s_.At(open + 1) == u'>' || open > end)) || (d == u'#' && open > end))
            return false;
        StartQuote(open, parts, kind, interpolates);
        return true;
    }

    // The construct's opening up to and including the delimiter at OPEN.
    void StartQuote(std::size_t open, std::uint16_t partsAfter, TTokenKind kind, bool interpolates)
    {
        QuoteState q;
        q.Open = s_.At(open);
        q.Close = ClosingOf(q.Open);
        q.PartsAfter = partsAfter;
        q.Kind = kind;
        q.Interpolates = interpolates;
        s_.EmitTo(kind, open + 1);
        state_.Mode = Quote;
        state_.Text = q.Encode();
        QuoteBody();
    }

    // Inside a quoted construct: to its closing delimiter, through a
    // second part and the modifiers, or to the end of the line.
    void QuoteBody()
    {
        QuoteState q = QuoteState::Decode(state_.Text);
        for (;;) {
            if (q.AwaitingOpen) {
                s_.EmitSpace();
                if (s_.AtEnd())
                    break;
                q.Open = s_.Peek();
                q.Close = ClosingOf(q.Open);
                q.AwaitingOpen = false;
                s_.Emit(q.Kind, 1);
            }
            std::size_t i = s_.Pos();
            bool closed = false;
            while (i < s_.End()) {
                const char16_t c = s_.At(i);
                if (c == u'\\') {
                    i += 2;
                } else if (c == q.Close && q.Depth == 0) {
                    closed = true;
                    break;
                } else if (c == q.Close) {
                    --q.Depth;
                    ++i;
                } else if (c == q.Open && q.Open != q.Close) {
                    ++q.Depth;
                    ++i;
                } else {
                    ++i;
                }
            }
            if (q.Interpolates)
                InterpolatedRun(std::min(i, s_.End()));
            else
                s_.EmitTo(q.Kind, i);
            if (!closed)
                break;
            s_.Emit(q.Kind, 1);
            if (q.PartsAfter == 0) {
                s_.EmitTo(q.Kind, s_.SkipWhile(s_.Pos(), chars::IsAsciiLetter)); // modifiers
                state_.Mode = Normal;
                state_.Text.clear();
                operand_ = true;
                return;
            }
            --q.PartsAfter;
            q.AwaitingOpen = q.Open != q.Close; // s{a}{b} has delimiters of its own
        }
        state_.Text = q.Encode();
    }

    // <<"EOF", <<'EOF', <<EOF, <<~EOF, << "EOF"; a shift otherwise.
    bool HereDocStart()
    {
        std::size_t i = s_.Pos() + 2;
        char16_t flags = Interpolated;
        if (s_.At(i) == u'~') {
            flags |= Indented;
            ++i;
        }
        std::size_t quoteAt = s_.At(i) == u' ' && !operand_ ? s_.SpaceEnd(i) : i;
        const char16_t quote = s_.At(quoteAt);
        std::size_t nameStart, nameEnd, end;
        if (quote == u'"' || quote == u'\'') {
            nameStart = quoteAt + 1;
            nameEnd = s_.Find(std::u16string_view(&quote, 1), nameStart);
            if (nameEnd == s_.End())
                return false;
            end = nameEnd + 1;
            if (quote == u'\'')
                flags &= char16_t(~Interpolated);
        } else if (IsIdentStart(s_.At(i))) {
            nameStart = i;
            nameEnd = end = s_.IdentifierEnd(i);
        } else {
            return false;
        }
        pending_ += flags;
        pending_ += s_.Slice(nameStart, nameEnd);
        pending_ += u'\n';
        s_.EmitTo(TTokenKind::String, end);
        operand_ = true;
        return true;
    }

    TLineScanner& s_;
    TScanState& state_;
    bool operand_;
    std::u16string pending_;
};

} // namespace

TPerlHighlighter::TPerlHighlighter()
    : THighlighter("Perl", "perl", {".pl", ".pm", ".t", ".pod", ".cgi"},
                   {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Variable, TTokenKind::Comment,
                    TTokenKind::Documentation, TTokenKind::String, TTokenKind::Regex, TTokenKind::Number,
                    TTokenKind::Operator, TTokenKind::Text})
{
}

void TPerlHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    Line(scanner, state.Code).Run();
}

} // namespace lorivex
