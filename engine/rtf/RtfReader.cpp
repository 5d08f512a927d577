#include "engine/rtf/RtfReader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/rtf/RtfCodePage.h"
#include "engine/rtf/RtfTables.h"
#include "engine/rtf/RtfTokenizer.h"
#include "engine/rtf/RtfVocabulary.h"

namespace lorivex::engine::rtf {

namespace {

enum class Destination { Text, FontTable, ColourTable, Skip };

// What a group carries: a closing brace restores the state of the group
// around it.
struct GroupState {
    Destination Where = Destination::Text;
    std::optional<bool> Bold, Italic;
    std::optional<std::u16string> Underline;
    long Colour = -1; // -1: none stated
    long Font = -1;   // -1: the document's default font
    long Size = 0;    // half-points; 0: none stated
    long UnicodeSkip = 1;
};

class Reader {
public:
    explicit Reader(DocumentModel& formats) : formats_(formats) { groups_.emplace_back(); }
    Fragment Read(std::string_view rtf);

private:
    void Dispatch(Token token);
    bool SkipFallback(Token& token);
    void OpenGroup() { groups_.push_back(groups_.back()); }
    void CloseGroup();
    void OnText(std::string_view text);
    void OnByte(char byte);
    void OnSymbol(char symbol);
    void OnWord(std::string_view name, std::optional<long> param);
    bool DocumentWord(std::string_view name, std::optional<long> param);
    bool TableWord(std::string_view name, std::optional<long> param);
    bool FormatWord(std::string_view name, std::optional<long> param);
    void Emit(char16_t character);
    void Flush();
    uint32_t CurrentFormat();
    GroupState& State() { return groups_.back(); }

    DocumentModel& formats_;
    Fragment out_;
    std::vector<GroupState> groups_;
    std::string pending_; // text bytes not yet decoded: a double-byte
                          // character may come as two \'hh
    long skip_ = 0;       // fallback characters of the last \u still to skip
    unsigned codePage_ = WesternCodePage;
    long defaultFont_ = -1;
    FontTable fonts_;
    ColourTable colours_;
};

Fragment Reader::Read(std::string_view rtf)
{
    out_.Source = &formats_;
    out_.Records.emplace_back();
    Tokenizer tokens(rtf);
    for (Token token = tokens.Next(); token.Kind != TokenKind::End; token = tokens.Next())
        Dispatch(token);
    Flush();
    return std::move(out_);
}

void Reader::Dispatch(Token token)
{
    if (SkipFallback(token))
        return;
    if (token.Kind == TokenKind::Text)
        return OnText(token.Text);
    if (token.Kind == TokenKind::Byte)
        return OnByte(char(token.Byte));
    // Everything else may change the formatting: text read so far goes
    // out with the formatting it was read in.
    Flush();
    switch (token.Kind) {
    case TokenKind::GroupOpen: return OpenGroup();
    case TokenKind::GroupClose: return CloseGroup();
    case TokenKind::Symbol: return OnSymbol(token.Symbol);
    case TokenKind::Word: return OnWord(token.Text, token.Param);
    default: return;
    }
}

// After \uN, the next \ucN characters are the fallback for readers that do
// not know \u; a byte, a control word or symbol counts as one, and a brace
// ends the fallback early.
bool Reader::SkipFallback(Token& token)
{
    if (token.Kind == TokenKind::GroupOpen || token.Kind == TokenKind::GroupClose) {
        skip_ = 0;
        return false;
    }
    if (skip_ <= 0)
        return false;
    if (token.Kind != TokenKind::Text) {
        --skip_;
        return true;
    }
    size_t dropped = std::min(size_t(skip_), token.Text.size());
    skip_ -= long(dropped);
    token.Text.remove_prefix(dropped);
    return token.Text.empty();
}

void Reader::CloseGroup()
{
    // A font entry without its ';' ends with its group.
    if (State().Where == Destination::FontTable)
        fonts_.EndFont(codePage_);
    // A closing brace too many is ignored: the outermost group stays.
    if (groups_.size() > 1)
        groups_.pop_back();
}

void Reader::OnText(std::string_view text)
{
    for (char c : text) {
        if (c == ';' && State().Where == Destination::FontTable)
            fonts_.EndFont(codePage_);
        else if (c == ';' && State().Where == Destination::ColourTable)
            colours_.EndColour();
        else
            OnByte(c);
    }
}

void Reader::OnByte(char byte)
{
    if (State().Where == Destination::FontTable)
        fonts_.AddByte(byte);
    // Control characters are no text of the document; RTF writes them as
    // control words.
    else if (State().Where == Destination::Text && (static_cast<unsigned char>(byte) >= 0x20 || byte == '\t'))
        pending_ += byte;
}

void Reader::OnSymbol(char symbol)
{
    if (symbol == '*') {
        // \* marks a destination a reader may ignore; this one does.
        State().Where = Destination::Skip;
        return;
    }
    if (auto character = SymbolCharacter(symbol))
        Emit(*character);
}

void Reader::OnWord(std::string_view name, std::optional<long> param)
{
    if (State().Where == Destination::Skip)
        return;
    if (IsSkippedDestination(name)) {
        State().Where = Destination::Skip;
        return;
    }
    if (DocumentWord(name, param) || TableWord(name, param) || FormatWord(name, param))
        return;
    if (auto character = WordCharacter(name))
        Emit(*character);
}

bool Reader::DocumentWord(std::string_view name, std::optional<long> param)
{
    if (name == "fonttbl")
        State().Where = Destination::FontTable;
    else if (name == "colortbl")
        State().Where = Destination::ColourTable;
    else if (name == "ansicpg" && param && *param > 0)
        codePage_ = unsigned(*param);
    else if (name == "deff" && param)
        defaultFont_ = *param;
    else if (name == "uc")
        State().UnicodeSkip = std::max(0L, param.value_or(1));
    else if (name == "u" && param) {
        // The parameter is a signed 16-bit number: -4064 is U+F020.
        Emit(char16_t(*param & 0xFFFF));
        skip_ = State().UnicodeSkip;
    } else
        return false;
    return true;
}

bool Reader::TableWord(std::string_view name, std::optional<long> param)
{
    if (State().Where == Destination::FontTable) {
        if (name == "f")
            fonts_.BeginFont(param.value_or(0));
        return true;
    }
    if (State().Where == Destination::ColourTable) {
        if (name == "red" || name == "green" || name == "blue")
            colours_.SetComponent(name[0], param.value_or(0));
        return true;
    }
    return false;
}

bool Reader::FormatWord(std::string_view name, std::optional<long> param)
{
    GroupState& state = State();
    const bool on = param.value_or(1) != 0;
    if (name == "plain") {
        state.Bold = state.Italic = std::nullopt;
        state.Underline = std::nullopt;
        state.Colour = state.Font = -1;
        state.Size = 0;
    } else if (name == "b")
        state.Bold = on;
    else if (name == "i")
        state.Italic = on;
    else if (name == "ul")
        state.Underline = on ? u"single" : u"none";
    else if (name == "ulnone")
        state.Underline = u"none";
    else if (auto kind = UnderlineKind(name))
        state.Underline = on ? *kind : u"none";
    else if (name == "cf")
        state.Colour = param.value_or(0);
    else if (name == "f")
        state.Font = param.value_or(0);
    else if (name == "fs")
        state.Size = std::max(0L, param.value_or(24));
    else
        return false;
    return true;
}

void Reader::Emit(char16_t character)
{
    if (State().Where != Destination::Text)
        return;
    Flush();
    out_.Text += character;
    out_.Attrs.push_back({CurrentFormat(), 0, 0});
}

void Reader::Flush()
{
    if (pending_.empty())
        return;
    std::u16string text = DecodeBytes(pending_, codePage_);
    pending_.clear();
    uint32_t format = CurrentFormat();
    out_.Text += text;
    out_.Attrs.insert(out_.Attrs.end(), text.size(), CharAttr{format, 0, 0});
}

// What the RTF states, and no more: a property it leaves open takes the
// destination's own, as with text typed there. The default font is stated
// (\deff), so characters without \f take it.
uint32_t Reader::CurrentFormat()
{
    const GroupState& state = State();
    CharFormat format;
    format.Bold = state.Bold;
    format.Italic = state.Italic;
    format.Underline = state.Underline;
    format.Color = colours_.Colour(state.Colour);
    format.Font = fonts_.Name(state.Font >= 0 ? state.Font : defaultFont_);
    if (state.Size > 0)
        format.Size = int(std::min(state.Size, 3276L));
    return formats_.CharFormats.Intern(format);
}

} // namespace

Fragment ReadRtf(std::string_view rtf, DocumentModel& formats)
{
    return Reader(formats).Read(rtf);
}

} // namespace lorivex::engine::rtf
