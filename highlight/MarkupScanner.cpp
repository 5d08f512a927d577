#include "highlight/MarkupScanner.h"

#include "highlight/CFamilyScanner.h"
#include "highlight/CssScanner.h"
#include "highlight/JScriptHighlighter.h"

namespace lorivex {

namespace {

using chars::IsSpace;

enum Mode : std::uint16_t {
    Content = 0,
    Tag,          // inside a tag, after its name
    DoubleQuoted, // an attribute value in "..."
    SingleQuoted, // an attribute value in '...'
    Comment,
    Cdata,
    Instruction, // <? ... ?>
    Declaration, // <!DOCTYPE ...>, with its internal subset
    Script,      // HTML: inside <script>
    Style,       // HTML: inside <style>
};

// Flags in a tag: what its end leads into.
constexpr std::uint16_t OpensScript = 1;
constexpr std::uint16_t OpensStyle = 2;
constexpr std::uint16_t AfterEquals = 4; // an attribute value is due

bool IsNameStart(char16_t c) { return chars::IsIdentStart(c) || c == u':'; }
bool IsNameChar(char16_t c) { return chars::IsIdentChar(c) || c == u':' || c == u'-' || c == u'.'; }

class Line {
public:
    Line(TMarkupSyntax syntax, TLineScanner& s, TScanState& markup, TScanState& embedded)
        : syntax_(syntax), s_(s), state_(markup), embedded_(embedded)
    {
    }

    void Run()
    {
        while (!s_.AtEnd()) {
            switch (state_.Mode) {
            case Tag: TagToken(); break;
            case DoubleQuoted: ValueBody(u'"'); break;
            case SingleQuoted: ValueBody(u'\''); break;
            case Comment: Until(u"-->", TTokenKind::Comment); break;
            case Cdata: Until(u"]]>", TTokenKind::Cdata); break;
            case Instruction: Until(u"?>", TTokenKind::Preprocessor); break;
            case Declaration: DeclarationBody(); break;
            case Script: Embedded(u"</script", false); break;
            case Style: Embedded(u"</style", true); break;
            default: ContentToken(); break;
            }
        }
    }

private:
    void Until(std::u16string_view close, TTokenKind kind)
    {
        std::size_t at = s_.Find(close, s_.Pos());
        if (at < s_.End()) {
            s_.EmitTo(kind, at + close.size());
            state_.Mode = Content;
        } else {
            s_.EmitRest(kind);
        }
    }

    void Embedded(std::u16string_view endTag, bool css)
    {
        std::size_t end = s_.FindNoCase(endTag, s_.Pos());
        std::size_t limit = s_.LimitEnd(end);
        if (css)
            TCssScanner().Scan(s_, embedded_);
        else
            TCFamilyScanner(JavaScriptSyntax()).Scan(s_, embedded_);
        s_.RestoreEnd(limit);
        if (end < s_.End()) {
            // Whatever the block left open ends with it.
            embedded_ = {};
            state_.Mode = Content;
        }
    }

    void ContentToken()
    {
        const char16_t c = s_.Peek();
        if (c == u'<') {
            MarkupStart();
        } else if (c == u'&') {
            Entity(TTokenKind::Text);
        } else if (syntax_.ParseBraces && (c == u'{' || c == u'}')) {
            s_.Emit(TTokenKind::Operator, 1);
        } else {
            const bool braces = syntax_.ParseBraces;
            s_.EmitTo(TTokenKind::Text, s_.SkipWhile(s_.Pos() + 1, [braces](char16_t ch) {
                return ch != u'<' && ch != u'&' && !(braces && (ch == u'{' || ch == u'}'));
            }));
        }
    }

    // &amp; &#233; &#xE9;, or a lone ampersand in the surrounding kind.
    void Entity(TTokenKind otherwise)
    {
        std::size_t i = s_.Pos() + 1;
        if (s_.At(i) == u'#')
            ++i;
        std::size_t end = s_.SkipWhile(i, chars::IsIdentChar);
        if (end > i && s_.At(end) == u';')
            s_.EmitTo(TTokenKind::Entity, end + 1);
        else
            s_.Emit(otherwise, 1);
    }

    void MarkupStart()
    {
        if (s_.LookingAt(u"<!--")) {
            s_.Emit(TTokenKind::Comment, 4);
            state_.Mode = Comment;
        } else if (s_.LookingAt(u"<![CDATA[")) {
            s_.Emit(TTokenKind::Cdata, 9);
            state_.Mode = Cdata;
        } else if (s_.LookingAt(u"<!")) {
            s_.Emit(TTokenKind::Preprocessor, 2);
            state_.Mode = Declaration;
            state_.Flags = 0;
        } else if (s_.LookingAt(u"<?")) {
            s_.Emit(TTokenKind::Preprocessor, 2);
            state_.Mode = Instruction;
        } else if (s_.Peek(1) == u'/' && IsNameStart(s_.Peek(2))) {
            s_.EmitTo(TTokenKind::Tag, s_.SkipWhile(s_.Pos() + 2, IsNameChar));
            state_.Mode = Tag;
            state_.Flags = 0;
        } else if (IsNameStart(s_.Peek(1))) {
            std::size_t end = s_.SkipWhile(s_.Pos() + 1, IsNameChar);
            std::uint16_t flags = 0;
            if (syntax_.Html && end - s_.Pos() == 7 && s_.LookingAtNoCase(u"<script"))
                flags = OpensScript;
            else if (syntax_.Html && end - s_.Pos() == 6 && s_.LookingAtNoCase(u"<style"))
                flags = OpensStyle;
            s_.EmitTo(TTokenKind::Tag, end);
            state_.Mode = Tag;
            state_.Flags = flags;
        } else {
            s_.Emit(TTokenKind::Text, 1);
        }
    }

    void TagToken()
    {
        const char16_t c = s_.Peek();
        if (s_.EmitSpace())
            return;
        if (c == u'>' || s_.LookingAt(u"/>")) {
            const bool selfClosing = c == u'/';
            s_.Emit(TTokenKind::Tag, selfClosing ? 2 : 1);
            if (!selfClosing && (state_.Flags & OpensScript))
                state_.Mode = Script;
            else if (!selfClosing && (state_.Flags & OpensStyle))
                state_.Mode = Style;
            else
                state_.Mode = Content;
            state_.Flags = 0;
            embedded_ = {};
        } else if (c == u'=') {
            s_.Emit(TTokenKind::Operator, 1);
            state_.Flags |= AfterEquals;
        } else if (c == u'"' || c == u'\'') {
            s_.Emit(TTokenKind::AttributeValue, 1);
            state_.Mode = c == u'"' ? DoubleQuoted : SingleQuoted;
            state_.Flags &= std::uint16_t(~AfterEquals);
        } else if (state_.Flags & AfterEquals) {
            s_.EmitTo(TTokenKind::AttributeValue, s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) {
                return !IsSpace(ch) && ch != u'>';
            }));
            state_.Flags &= std::uint16_t(~AfterEquals);
        } else if (IsNameChar(c) || c == u'@' || c == u'*' || c == u'[' || c == u'(' || c == u'#') {
            // Frameworks' attribute names (@click, [value], (event), #ref)
            // are names too.
            s_.EmitTo(TTokenKind::AttributeName, s_.SkipWhile(s_.Pos() + 1, [](char16_t ch) {
                return !IsSpace(ch) && ch != u'=' && ch != u'>' && ch != u'/' && ch != u'"' && ch != u'\'';
            }));
        } else {
            s_.Emit(TTokenKind::Text, 1);
        }
    }

    void ValueBody(char16_t quote)
    {
        while (!s_.AtEnd()) {
            const char16_t c = s_.Peek();
            if (c == quote) {
                s_.Emit(TTokenKind::AttributeValue, 1);
                state_.Mode = Tag;
                return;
            }
            if (syntax_.ParseBraces && (c == u'{' || c == u'}')) {
                s_.Emit(TTokenKind::Operator, 1);
                continue;
            }
            if (c == u'&') {
                Entity(TTokenKind::AttributeValue);
                continue;
            }
            const bool braces = syntax_.ParseBraces;
            s_.EmitTo(TTokenKind::AttributeValue, s_.SkipWhile(s_.Pos() + 1, [quote, braces](char16_t ch) {
                return ch != quote && ch != u'&' && !(braces && (ch == u'{' || ch == u'}'));
            }));
        }
    }

    // <!DOCTYPE x [ <!ENTITY ...> ]>: the subset in brackets may hold '>'.
    void DeclarationBody()
    {
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            const char16_t c = s_.At(i);
            if (c == u'[') {
                ++state_.Flags;
            } else if (c == u']' && state_.Flags > 0) {
                --state_.Flags;
            } else if (c == u'>' && state_.Flags == 0) {
                s_.EmitTo(TTokenKind::Preprocessor, i + 1);
                state_.Mode = Content;
                return;
            }
            ++i;
        }
        s_.EmitRest(TTokenKind::Preprocessor);
    }

    TMarkupSyntax syntax_;
    TLineScanner& s_;
    TScanState& state_;
    TScanState& embedded_;
};

} // namespace

void TMarkupScanner::Scan(TLineScanner& scanner, TScanState& markup, TScanState& embedded) const
{
    Line(syntax_, scanner, markup, embedded).Run();
}

} // namespace lorivex
