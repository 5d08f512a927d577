#include "highlight/IniHighlighter.h"

namespace lorivex {

namespace {

// The end of the text before END without its trailing blanks.
std::size_t TrimmedEnd(const TLineScanner& s, std::size_t from, std::size_t end)
{
    while (end > from && chars::IsSpace(s.At(end - 1)))
        --end;
    return end;
}

void EmitTrimmed(TLineScanner& s, TTokenKind kind, std::size_t end)
{
    s.EmitTo(kind, TrimmedEnd(s, s.Pos(), end));
    s.EmitTo(TTokenKind::Space, end);
}

} // namespace

TIniHighlighter::TIniHighlighter()
    : THighlighter("INI", "ini", {".ini", ".inf", ".cfg", ".reg", ".url", ".desktop", ".hhp"},
                   {TTokenKind::Section, TTokenKind::Key, TTokenKind::Value, TTokenKind::Comment,
                    TTokenKind::Operator, TTokenKind::Text})
{
}

void TIniHighlighter::Scan(TLineScanner& s, TLineState&) const
{
    s.EmitSpace();
    const char16_t c = s.Peek();
    if (c == u';' || c == u'#') {
        s.EmitRest(TTokenKind::Comment);
        return;
    }
    if (c == u'[') {
        std::size_t close = s.Find(u"]", s.Pos());
        s.EmitTo(TTokenKind::Section, close + 1);
        s.EmitSpace();
        if (s.Peek() == u';' || s.Peek() == u'#')
            s.EmitRest(TTokenKind::Comment);
        else
            s.EmitRest(TTokenKind::Text);
        return;
    }
    std::size_t equals = s.Find(u"=", s.Pos());
    if (equals == s.End()) {
        EmitTrimmed(s, TTokenKind::Text, s.End());
        return;
    }
    EmitTrimmed(s, TTokenKind::Key, equals);
    s.Emit(TTokenKind::Operator, 1);
    s.EmitSpace();
    EmitTrimmed(s, TTokenKind::Value, s.End());
}

} // namespace lorivex
