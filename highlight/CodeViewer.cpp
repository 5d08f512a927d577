#include "highlight/CodeViewer.h"

#include <algorithm>

#include "base/Exception.h"
#include "highlight/SourceText.h"
#include "platform/CodePages.h"

namespace lorivex {

TCodeViewer::TCodeViewer()
{
    Font.Name = "Courier New";
    Font.SetSize(10);
    Font.Color = ui::clWindowText;
    Color = ui::clWindow;
}

void TCodeViewer::CheckIndex(int index, int limit, const char* function) const
{
    if (index < 0 || index > limit)
        Guard(function, [&] {
            throw Exception("Line index " + std::to_string(index) + " out of bounds (" + std::to_string(lines_.size()) +
                            " lines)");
        });
}

void TCodeViewer::Changed()
{
    topLine_ = std::clamp(topLine_, 0, std::max(0, LineCount() - 1));
    Invalidate();
}

void TCodeViewer::SetLines(std::vector<std::u16string> lines)
{
    lines_ = std::move(lines);
    states_.assign(lines_.size() + 1, TLineState{});
    known_ = 1;
    linesScanned_ = 0;
    topLine_ = 0;
    Changed();
}

void TCodeViewer::SetText(std::u16string_view text)
{
    SetLines(SplitLines(text));
}

TLineState TCodeViewer::ScanFrom(std::size_t index, std::vector<TToken>& tokens)
{
    TLineState state = states_[index];
    ++linesScanned_;
    if (highlighter_) {
        highlighter_->ScanLine(lines_[index], state, tokens);
    } else {
        tokens.clear();
        if (!lines_[index].empty())
            tokens.push_back({TTokenKind::Text, 0, std::uint32_t(lines_[index].size())});
    }
    return state;
}

void TCodeViewer::KnowStates(std::size_t count)
{
    std::vector<TToken> tokens;
    count = std::min(count, states_.size());
    for (; known_ < count; ++known_)
        states_[known_] = ScanFrom(known_ - 1, tokens);
}

// An edit keeps the states after the line when it still ends in the state
// it ended in before; otherwise only the states up to its end are known.
void TCodeViewer::SetLine(int index, std::u16string text)
{
    CheckIndex(index, LineCount() - 1, "SetLine");
    const auto i = std::size_t(index);
    lines_[i] = std::move(text);
    if (i + 1 < known_) {
        std::vector<TToken> tokens;
        TLineState end = ScanFrom(i, tokens);
        if (!(end == states_[i + 1])) {
            states_[i + 1] = std::move(end);
            known_ = i + 2;
        }
    }
    Changed();
}

void TCodeViewer::InsertLine(int index, std::u16string text)
{
    CheckIndex(index, LineCount(), "InsertLine");
    const auto i = std::size_t(index);
    lines_.insert(lines_.begin() + index, std::move(text));
    // The line pushed down starts where it started before.
    TLineState start = states_[i];
    states_.insert(states_.begin() + index + 1, std::move(start));
    if (i < known_) {
        std::vector<TToken> tokens;
        TLineState end = ScanFrom(i, tokens);
        if (end == states_[i + 1] && known_ > i + 1)
            ++known_;
        else
            known_ = i + 2;
        states_[i + 1] = std::move(end);
    }
    Changed();
}

void TCodeViewer::DeleteLine(int index)
{
    CheckIndex(index, LineCount() - 1, "DeleteLine");
    const auto i = std::size_t(index);
    lines_.erase(lines_.begin() + index);
    // The line after it now starts where the deleted one started.
    const bool same = i + 1 < known_ && states_[i + 1] == states_[i];
    states_.erase(states_.begin() + index + 1);
    if (same)
        --known_;
    else
        known_ = std::min(known_, i + 1);
    Changed();
}

void TCodeViewer::SetHighlighter(const THighlighter* highlighter)
{
    highlighter_ = highlighter;
    std::fill(states_.begin(), states_.end(), TLineState{});
    known_ = 1;
    Changed();
}

void TCodeViewer::SetTopLine(int line)
{
    topLine_ = line;
    Changed();
}

std::vector<TToken> TCodeViewer::LineTokens(int index)
{
    CheckIndex(index, LineCount() - 1, "LineTokens");
    KnowStates(std::size_t(index) + 1);
    std::vector<TToken> tokens;
    ScanFrom(std::size_t(index), tokens);
    return tokens;
}

int TCodeViewer::LineHeight()
{
    ui::TCanvas& canvas = *Canvas();
    canvas.Font = Font;
    return std::max(1, canvas.TextHeight("Wg"));
}

int TCodeViewer::VisibleLineCount()
{
    return Height() / LineHeight();
}

void TCodeViewer::Paint()
{
    Guard("Paint", [&] {
        ui::TCanvas& canvas = *Canvas();
        canvas.Brush = {Color, ui::TBrushStyle::Solid};
        canvas.FillRect(ClientRect());
        const int lineHeight = LineHeight();
        std::vector<TToken> tokens;
        std::string text;
        for (int index = topLine_, y = 0; index < LineCount() && y < Height(); ++index, y += lineHeight) {
            KnowStates(std::size_t(index) + 1);
            ScanFrom(std::size_t(index), tokens);
            std::u16string_view line = lines_[std::size_t(index)];
            int x = 2;
            std::size_t column = 0;
            for (const TToken& token : tokens) {
                if (x >= Width())
                    break;
                // Tabs become blanks up to the next stop, counted from the
                // start of the line, whatever token they are in.
                std::u16string expanded;
                for (char16_t c : line.substr(token.Start, token.Length)) {
                    if (c == u'\t') {
                        std::size_t stop = (column / std::size_t(std::max(1, TabWidth)) + 1) * std::size_t(std::max(1, TabWidth));
                        expanded.append(stop - column, u' ');
                        column = stop;
                    } else {
                        expanded += c;
                        ++column;
                    }
                }
                text = platform::Utf16ToAnsi(expanded);
                canvas.Font = Font;
                if (highlighter_) {
                    const TTokenAttributes& attributes = highlighter_->Attributes(token.Kind);
                    canvas.Font.Color = attributes.Color;
                    canvas.Font.Style = (attributes.Bold ? ui::fsBold : 0u) | (attributes.Italic ? ui::fsItalic : 0u);
                }
                if (token.Kind != TTokenKind::Space)
                    canvas.TextOut(x, y, text);
                x += canvas.TextWidth(text);
            }
        }
    });
}

} // namespace lorivex
