#include "highlight/BatchHighlighter.h"

#include "highlight/KeywordSet.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsSpace;

constexpr std::u16string_view BatchKeywords[] = {
    u"assoc", u"break", u"call", u"cd", u"chdir", u"choice", u"cls", u"cmd", u"cmdextversion",
    u"color", u"copy", u"date", u"defined", u"del", u"dir", u"disabledelayedexpansion",
    u"disableextensions", u"do", u"echo", u"else", u"enabledelayedexpansion", u"enableextensions",
    u"endlocal", u"equ", u"erase", u"errorlevel", u"exist", u"exit", u"for", u"ftype", u"geq",
    u"goto", u"gtr", u"if", u"in", u"leq", u"lss", u"md", u"mkdir", u"mklink", u"move", u"neq",
    u"not", u"nul", u"path", u"pause", u"popd", u"prompt", u"pushd", u"rd", u"ren", u"rename",
    u"rmdir", u"set", u"setlocal", u"shift", u"start", u"time", u"title", u"type", u"ver",
    u"verify", u"vol",
};
static_assert(IsKeywordTable(BatchKeywords, true));
constexpr TKeywordSet BatchKeywordSet(BatchKeywords, true);

bool IsSeparator(char16_t c) { return c == u'&' || c == u'|' || c == u'>' || c == u'<'; }

bool IsWordChar(char16_t c)
{
    return c != 0 && !IsSpace(c) && !IsSeparator(c) && c != u'%' && c != u'!' && c != u'"' && c != u'(' &&
           c != u')' && c != u'=' && c != u',' && c != u';';
}

class Line {
public:
    explicit Line(TLineScanner& s) : s_(s) {}

    void Run()
    {
        s_.EmitSpace();
        if (s_.LookingAt(u"::")) {
            s_.EmitRest(TTokenKind::Comment);
            return;
        }
        if (s_.Peek() == u':') {
            s_.EmitRest(TTokenKind::Label);
            return;
        }
        while (!s_.AtEnd())
            Token();
    }

private:
    // The length of a variable reference at AT, 0 when there is none:
    // %%i and %%~nxi, %1, %* and %~dp0, %NAME% and %NAME:~0,5%, !NAME!.
    std::size_t VariableLength(std::size_t at) const
    {
        const char16_t c = s_.At(at);
        if (c == u'%') {
            const char16_t next = s_.At(at + 1);
            if (next == u'%' && s_.At(at + 2) != 0 && !IsSpace(s_.At(at + 2)) && s_.At(at + 2) != u'%') {
                std::size_t i = at + 2;
                if (s_.At(i) == u'~')
                    i = s_.SkipWhile(i + 1, chars::IsAsciiLetter) - 1; // the modifiers end in the letter
                return i + 1 - at;
            }
            if (IsDigit(next) || next == u'*')
                return 2;
            if (next == u'~') {
                std::size_t i = s_.SkipWhile(at + 2, chars::IsAsciiLetter);
                if (IsDigit(s_.At(i)))
                    return i + 1 - at;
                if (i > at + 2)
                    return i - at; // %~dp0 ends in its digit, a for variable in its letter
                return 0;
            }
            std::size_t close = s_.Find(u"%", at + 1);
            if (close < s_.End() && close > at + 1)
                return close + 1 - at;
            return 0;
        }
        if (c == u'!') {
            std::size_t close = s_.SkipWhile(at + 1, [](char16_t ch) { return ch != u'!' && !IsSpace(ch); });
            if (s_.At(close) == u'!' && close > at + 1)
                return close + 1 - at;
        }
        return 0;
    }

    bool Variable()
    {
        std::size_t length = VariableLength(s_.Pos());
        s_.Emit(TTokenKind::Variable, length);
        return length > 0;
    }

    // Text up to the next separator, variables picked out: what echo
    // prints, what set assigns.
    void TextRun()
    {
        while (!s_.AtEnd() && !IsSeparator(s_.Peek())) {
            if (Variable())
                continue;
            std::size_t end = s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) {
                return !IsSeparator(ch) && ch != u'%' && ch != u'!';
            });
            s_.EmitTo(TTokenKind::Text, end);
        }
    }

    void QuotedString()
    {
        s_.Emit(TTokenKind::String, 1);
        while (!s_.AtEnd()) {
            if (s_.Peek() == u'"') {
                s_.Emit(TTokenKind::String, 1);
                return;
            }
            if (Variable())
                continue;
            s_.EmitTo(TTokenKind::String, s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) {
                return ch != u'"' && ch != u'%' && ch != u'!';
            }));
        }
    }

    void Token()
    {
        const char16_t c = s_.Peek();
        if (s_.EmitSpace())
            return;
        if (Variable())
            return;
        if (c == u'"') {
            QuotedString();
            return;
        }
        if (c == u'@' || c == u'(' || IsSeparator(c)) {
            std::size_t end = s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) { return IsSeparator(ch); });
            if (end - s_.Pos() >= 2 && s_.At(end - 1) == u'&' && s_.At(end - 2) == u'>' && IsDigit(s_.At(end)))
                ++end; // >&1: the handle belongs to the redirection
            s_.EmitTo(TTokenKind::Operator, end);
            // A command follows a separator or a block's opening, but not
            // the opening of a for loop's set.
            command_ = c != u'>' && c != u'<' && !(c == u'(' && afterIn_);
            afterIn_ = false;
            return;
        }
        afterIn_ = false;
        if (IsDigit(c) && IsSeparator(s_.Peek(1))) { // 2>&1
            s_.Emit(TTokenKind::Operator, 1);
            return;
        }
        if (!IsWordChar(c)) {
            s_.Emit(TTokenKind::Operator, 1);
            return;
        }
        std::size_t end = s_.SkipWhile(s_.Pos(), IsWordChar);
        std::u16string_view word = s_.Slice(s_.Pos(), end);
        const bool command = command_;
        command_ = false;
        if (command && (Is(word, u"rem") || Is(word, u"rem.") || Is(word, u"rem:"))) {
            s_.EmitRest(TTokenKind::Comment);
        } else if (command && (Is(word, u"echo") || (word.size() > 4 && Is(word.substr(0, 4), u"echo") &&
                                                      (word[4] == u'.' || word[4] == u':')))) {
            Echo();
        } else if (IsDigit(c) && s_.SkipWhile(s_.Pos(), IsDigit) == end) {
            s_.EmitTo(TTokenKind::Number, end);
        } else if (BatchKeywordSet.Contains(word)) {
            Keyword(word, end);
        } else {
            s_.EmitTo(command ? TTokenKind::Identifier : TTokenKind::Text, end);
        }
    }

    static bool Is(std::u16string_view word, std::u16string_view lower)
    {
        if (word.size() != lower.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (chars::ToLower(word[i]) != lower[i])
                return false;
        return true;
    }

    void Keyword(std::u16string_view word, std::size_t end)
    {
        if (Is(word, u"goto") || Is(word, u"call")) {
            Target(Is(word, u"goto"));
            return;
        }
        s_.EmitTo(TTokenKind::Keyword, end);
        // What follows these is a command of its own.
        command_ = Is(word, u"do") || Is(word, u"else");
        afterIn_ = Is(word, u"in");
        if (Is(word, u"set"))
            Assignment();
    }

    void Echo()
    {
        s_.Emit(TTokenKind::Keyword, 4);
        std::size_t start = s_.SpaceEnd(s_.Pos());
        std::size_t end = s_.SkipWhile(start, chars::IsAsciiLetter);
        std::size_t after = s_.SpaceEnd(end);
        if ((s_.LookingAtNoCase(start, u"on") && end == start + 2) || (s_.LookingAtNoCase(start, u"off") && end == start + 3)) {
            if (after == s_.End() || IsSeparator(s_.At(after))) {
                s_.EmitSpace();
                s_.EmitTo(TTokenKind::Keyword, end);
                return;
            }
        }
        TextRun();
    }

    // goto LABEL, goto :eof, call :sub
    void Target(bool isGoto)
    {
        s_.Emit(TTokenKind::Keyword, 4);
        s_.EmitSpace();
        if (s_.Peek() == u':' || (isGoto && IsWordChar(s_.Peek())))
            s_.EmitTo(TTokenKind::Label, s_.SkipWhile(s_.Pos() + 1, IsWordChar));
    }

    // set NAME=VALUE, set /a N=N+1, set /p NAME=Prompt
    void Assignment()
    {
        s_.EmitSpace();
        while (s_.Peek() == u'/' && chars::IsAsciiLetter(s_.Peek(1))) {
            s_.Emit(TTokenKind::Text, 2);
            s_.EmitSpace();
        }
        std::size_t equals = s_.Find(u"=", s_.Pos());
        if (s_.Peek() == u'"' || equals == s_.End())
            return;
        for (std::size_t i = s_.Pos(); i < equals; ++i)
            if (IsSeparator(s_.At(i)) || s_.At(i) == u'%' || s_.At(i) == u'!')
                return;
        s_.EmitTo(TTokenKind::Variable, equals);
        s_.Emit(TTokenKind::Operator, 1);
        TextRun();
    }

    TLineScanner& s_;
    bool command_ = true;
    bool afterIn_ = false;
};

} // namespace

TBatchHighlighter::TBatchHighlighter()
    : THighlighter("MS-DOS Batch", "bat", {".bat", ".cmd", ".btm"},
                   {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::Label,
                    TTokenKind::Variable, TTokenKind::String, TTokenKind::Number, TTokenKind::Operator,
                    TTokenKind::Text})
{
}

void TBatchHighlighter::Scan(TLineScanner& scanner, TLineState&) const
{
    Line(scanner).Run();
}

} // namespace lorivex
