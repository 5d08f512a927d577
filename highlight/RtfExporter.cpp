#include "highlight/RtfExporter.h"

#include <array>
#include <cstdint>

#include "platform/Clipboard.h"
#include "platform/CodePages.h"

namespace lorivex {

namespace {

constexpr char Hex[] = "0123456789abcdef";

// The \fcharset that goes with a Windows code page, so that readers pick
// the font's matching character set.
int CharsetFor(unsigned codePage)
{
    switch (codePage) {
    case 874: return 222;
    case 932: return 128;
    case 936: return 134;
    case 949: return 129;
    case 950: return 136;
    case 1250: return 238;
    case 1251: return 204;
    case 1253: return 161;
    case 1254: return 162;
    case 1255: return 177;
    case 1256: return 178;
    case 1257: return 186;
    case 1258: return 163;
    default: return 0;
    }
}

void AppendHexByte(std::string& out, unsigned char byte)
{
    out += "\\'";
    out += Hex[byte >> 4];
    out += Hex[byte & 15];
}

void AppendUnicode(std::string& out, char16_t unit)
{
    out += "\\u";
    out += std::to_string(int(std::int16_t(unit)));
    out += '?';
}

// ANSI text (the title, the font's name) with RTF's specials escaped.
void AppendAnsi(std::string& out, const std::string& text)
{
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (byte >= 0x80 || byte < 0x20) {
            AppendHexByte(out, byte);
        } else {
            out += c;
        }
    }
}

// What each character becomes in the ANSI code page, looked up once per
// character and export: converting one character at a time through the
// platform would cost far more than the rest of the writing.
class AnsiEncoder {
public:
    AnsiEncoder() : bytes_(0x10000, Unknown) {}

    void Append(std::string& out, std::u16string_view text, std::size_t& i)
    {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDFFF) { // a surrogate half: never in an ANSI code page
            AppendUnicode(out, c);
            if (c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
                AppendUnicode(out, text[++i]);
            return;
        }
        std::uint16_t& entry = bytes_[c];
        if (entry == Unknown) {
            std::string ansi = platform::Utf16ToAnsi(std::u16string(1, c));
            if ((ansi == "?" && c != u'?') || ansi.empty() || ansi.size() > 2)
                entry = Outside;
            else
                entry = ansi.size() == 1 ? std::uint16_t(static_cast<unsigned char>(ansi[0]))
                                         : std::uint16_t((static_cast<unsigned char>(ansi[0]) << 8) |
                                                         static_cast<unsigned char>(ansi[1]));
        }
        if (entry == Outside) {
            AppendUnicode(out, c);
        } else if (entry > 0xFF) {
            AppendHexByte(out, static_cast<unsigned char>(entry >> 8));
            AppendHexByte(out, static_cast<unsigned char>(entry & 0xFF));
        } else {
            AppendHexByte(out, static_cast<unsigned char>(entry));
        }
    }

private:
    // No double-byte code page has 0xFF as a lead byte, and no character
    // above ASCII is the byte 0, so these two never stand for real bytes.
    static constexpr std::uint16_t Unknown = 0;
    static constexpr std::uint16_t Outside = 0xFFFF;
    std::vector<std::uint16_t> bytes_;
};

class Writer {
public:
    explicit Writer(const THighlighter* highlighter) : highlighter_(highlighter) { colourOf_.fill(-1); }

    std::string& Body() { return body_; }

    void Text(std::u16string_view text)
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (c >= 0x20 && c < 0x80) {
                if (c == u'\\' || c == u'{' || c == u'}')
                    body_ += '\\';
                body_ += char(c);
            } else if (c == u'\t') {
                body_ += "\\tab ";
            } else if (c < 0x20) {
                AppendHexByte(body_, static_cast<unsigned char>(c));
            } else {
                encoder_.Append(body_, text, i);
            }
        }
    }

    // Switches the character formatting to KIND's where it differs.
    void Format(TTokenKind kind)
    {
        const TTokenAttributes& attributes = highlighter_->Attributes(kind);
        int& colour = colourOf_[std::size_t(kind)];
        if (colour < 0)
            colour = ColourIndex(attributes.Color);
        const std::size_t before = body_.size();
        if (colour != colour_) {
            body_ += "\\cf";
            body_ += std::to_string(colour);
            colour_ = colour;
        }
        if (attributes.Bold != bold_) {
            body_ += attributes.Bold ? "\\b" : "\\b0";
            bold_ = attributes.Bold;
        }
        if (attributes.Italic != italic_) {
            body_ += attributes.Italic ? "\\i" : "\\i0";
            italic_ = attributes.Italic;
        }
        if (body_.size() != before)
            body_ += ' ';
    }

    void Paragraph() { body_ += "\\par\r\n"; }

    void ColourTable(std::string& out) const
    {
        out += "{\\colortbl;";
        for (ui::TColor colour : colours_) {
            out += "\\red" + std::to_string(ui::RedOf(colour));
            out += "\\green" + std::to_string(ui::GreenOf(colour));
            out += "\\blue" + std::to_string(ui::BlueOf(colour));
            out += ';';
        }
        out += "}\r\n";
    }

private:
    int ColourIndex(ui::TColor colour)
    {
        colour = ui::ColorToRGB(colour);
        for (std::size_t i = 0; i < colours_.size(); ++i)
            if (colours_[i] == colour)
                return int(i) + 1;
        colours_.push_back(colour);
        return int(colours_.size());
    }

    const THighlighter* highlighter_;
    std::string body_;
    AnsiEncoder encoder_;
    std::vector<ui::TColor> colours_;
    std::array<int, TokenKindCount> colourOf_{};
    int colour_ = 0; // \cf0, the automatic colour
    bool bold_ = false;
    bool italic_ = false;
};

} // namespace

TRtfExporter::TRtfExporter()
{
    Font.Name = "Courier New";
    Font.SetSize(10);
}

void TRtfExporter::ExportAll(const std::vector<std::u16string>& lines)
{
    Guard("ExportAll", [&] { ExportFrom(lines, {1, 1}); });
}

void TRtfExporter::ExportFrom(const std::vector<std::u16string>& lines, TTextPosition start)
{
    Guard("ExportFrom", [&] {
        const std::size_t first = std::size_t(std::max(start.Line, 1) - 1);
        std::size_t characters = 0;
        for (std::size_t i = first; i < lines.size(); ++i)
            characters += lines[i].size();

        Writer writer(highlighter_);
        std::string& body = writer.Body();
        body.reserve(characters + characters / 4 + (lines.size() - std::min(first, lines.size())) * 8 + 64);
        TLineState state;
        std::vector<TToken> tokens;
        if (highlighter_)
            for (std::size_t i = 0; i < first && i < lines.size(); ++i)
                highlighter_->ScanLine(lines[i], state, tokens);
        for (std::size_t i = first; i < lines.size(); ++i) {
            std::u16string_view line = lines[i];
            const std::size_t from =
                i == first ? std::min(std::size_t(std::max(start.Column, 1) - 1), line.size()) : 0;
            if (!highlighter_) {
                writer.Text(line.substr(from));
            } else {
                highlighter_->ScanLine(line, state, tokens);
                for (const TToken& token : tokens) {
                    std::size_t begin = std::max<std::size_t>(token.Start, from);
                    std::size_t end = token.Start + token.Length;
                    if (begin >= end)
                        continue;
                    // Blanks look the same in any colour: switching for them
                    // would only make the document bigger.
                    if (token.Kind != TTokenKind::Space)
                        writer.Format(token.Kind);
                    writer.Text(line.substr(begin, end - begin));
                }
            }
            writer.Paragraph();
        }

        const unsigned codePage = platform::AnsiCodePage();
        std::string head;
        head += "{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage) + "\\deff0";
        // Tab stops every four characters of the font (0.6 em wide).
        head += "\\deftab" + std::to_string(std::max(1, Font.Size()) * 20 * 6 / 10 * 4);
        head += "\\uc1{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset" + std::to_string(CharsetFor(codePage)) + ' ';
        AppendAnsi(head, Font.Name);
        head += ";}}\r\n";
        writer.ColourTable(head);
        head += "{\\info{\\title ";
        AppendAnsi(head, Title);
        head += "}}\r\n\\pard\\plain\\f0\\fs" + std::to_string(std::max(1, Font.Size()) * 2) + ' ';

        rtf_.clear();
        rtf_.reserve(head.size() + body.size() + 1);
        rtf_ += head;
        rtf_ += body;
        rtf_ += '}';
    });
}

void TRtfExporter::CopyToClipboard() const
{
    Guard("CopyToClipboard", [&] { platform::SetClipboardBlocks({{platform::ClipboardRtfFormat, rtf_}}); });
}

} // namespace lorivex
