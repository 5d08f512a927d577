#pragma once
// Highlighted lines as an RTF document, the way the paste-code command puts
// code on the clipboard: one paragraph per line in the writer's font, each
// token in its kind's colour, bold and italic. Text is written in the ANSI
// code page the document declares, characters outside it as \u escapes, so
// that nothing is lost. No background colours are written: pasted code
// takes the page's background. Writing is linear in the text.
#include <string>
#include <vector>

#include "base/Guarded.h"
#include "highlight/Highlighter.h"
#include "ui/Font.h"

namespace lorivex {

// A place in the lines, both counted from 1 as a person counts them.
struct TTextPosition {
    int Line = 1;
    int Column = 1;
};

class TRtfExporter : public TObject {
public:
    TRtfExporter();

    // Name and size are written; colour and style come from the tokens.
    ui::TFont Font;
    std::string Title = "Untitled"; // the document's title, ANSI text

    const THighlighter* Highlighter() const { return highlighter_; }
    // Not owned; nullptr writes the lines as plain text.
    void SetHighlighter(const THighlighter* highlighter) { highlighter_ = highlighter; }

    void ExportAll(const std::vector<std::u16string>& lines);
    // From START to the end of the lines.
    void ExportFrom(const std::vector<std::u16string>& lines, TTextPosition start);
    // The document of the last export.
    const std::string& Rtf() const { return rtf_; }
    // Replaces everything on the clipboard by the document, under
    // "Rich Text Format".
    void CopyToClipboard() const;

private:
    const THighlighter* highlighter_ = nullptr;
    std::string rtf_;
};

} // namespace lorivex
