#pragma once
// The read-only source viewer of the paste-code dialog: lines of UTF-16
// text painted token by token in their highlighter's colours and font
// styles, or plainly without a highlighter, scrolled by its top line.
//
// The state at the start of every line scanned so far is kept, so painting
// a screen far down scans each line before it once, and an edit re-scans
// only until a line ends in the same state as before. Changing the
// highlighter forgets them all.
//
// The constructor gives it Courier New 10 pt; a container's Add hands every
// new control the container's font, so a form sets the font after adding
// it.
#include <string>
#include <vector>

#include "highlight/Highlighter.h"
#include "ui/Panels.h"

namespace lorivex {

class TCodeViewer : public ui::TCustomControl {
public:
    TCodeViewer();

    int LineCount() const { return int(lines_.size()); }
    const std::vector<std::u16string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::u16string> lines);
    // Text with CR LF, LF or CR line ends, as the clipboard holds it.
    void SetText(std::u16string_view text);
    void SetLine(int index, std::u16string text);
    void InsertLine(int index, std::u16string text);
    void DeleteLine(int index);

    const THighlighter* Highlighter() const { return highlighter_; }
    // Not owned; nullptr shows the text plainly.
    void SetHighlighter(const THighlighter* highlighter);

    // The index of the first line shown (0 is the first line).
    int TopLine() const { return topLine_; }
    void SetTopLine(int line);
    int LineHeight();
    // Lines that fit completely into the control.
    int VisibleLineCount();

    // Columns between tab stops.
    int TabWidth = 4;

    // The tokens of a line as the viewer paints them.
    std::vector<TToken> LineTokens(int index);
    // How many times a line has been scanned since the lines were set: what
    // the kept states save.
    long LinesScanned() const { return linesScanned_; }

    void Paint() override;

private:
    void CheckIndex(int index, int limit, const char* function) const;
    // Makes the states at the start of lines 0 to COUNT - 1 known.
    void KnowStates(std::size_t count);
    TLineState ScanFrom(std::size_t index, std::vector<TToken>& tokens);
    void Changed();

    std::vector<std::u16string> lines_;
    // states_[i] is the state at the start of line i; the first known_ are
    // up to date.
    std::vector<TLineState> states_{1};
    std::size_t known_ = 1;
    const THighlighter* highlighter_ = nullptr;
    int topLine_ = 0;
    long linesScanned_ = 0;
};

} // namespace lorivex
