#pragma once
// Painting without a screen: every line, text and filled rectangle drawn on
// a canvas is recorded with its resolved RGB colour, its font and whether
// any of it falls inside the clipping rectangle, so that tests can check
// what a person would see.
//
//   auto picture = ui::headless::Paint(*dialog->PaintBox1);
//   picture.ColumnColor(0);            // the colour of pixel column 0
//   picture.Texts[0].At.Y;             // where the first text went
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/Canvas.h"

namespace lorivex::ui {
class TControl;
}

namespace lorivex::ui::headless {

struct DrawnLine {
    TPoint From, To; // To is not drawn
    TColor Color;    // RGB
    bool Visible;    // some pixel of it lies inside the clip
};

struct DrawnText {
    TPoint At;
    std::string Text;
    TFont Font;        // Color resolved to RGB
    bool Opaque;       // the brush filled the text's background
    TRect Clip;        // the clip in force for this text
    bool Visible;
};

struct FilledRect {
    TRect Rect;
    TColor Color; // RGB
    bool Visible;
};

struct Recording {
    TRect Clip;
    std::vector<DrawnLine> Lines;
    std::vector<DrawnText> Texts;
    std::vector<FilledRect> Fills;

    // The colour of the last visible vertical line drawn at x; nothing when
    // no visible line covers the column.
    std::optional<TColor> ColumnColor(int x) const;
    // Every text as drawn, in order.
    std::vector<std::string> TextStrings() const;
};

class RecordingDevice : public CanvasDevice {
public:
    explicit RecordingDevice(TRect clip) { recording_.Clip = clip; }
    void Line(TPoint from, TPoint to, const TPen& pen) override;
    void Text(TPoint at, const std::string& text, const TFont& font, const TBrush& brush,
              const TRect* clip) override;
    void Fill(const TRect& rect, const TBrush& brush) override;
    TSize Measure(const std::string& text, const TFont& font) override;
    TRect ClipRect() const override { return recording_.Clip; }
    const Recording& Recorded() const { return recording_; }

private:
    Recording recording_;
};

// Paints the control as the system would when it asks for a repaint, on a
// fresh canvas clipped to the control's client area, and returns what was
// drawn. The canvas starts with the control's font and colour.
Recording Paint(TControl& control);

} // namespace lorivex::ui::headless
