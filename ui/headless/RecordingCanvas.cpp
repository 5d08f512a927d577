#include "ui/headless/RecordingCanvas.h"

#include <algorithm>

#include "base/Exception.h"
#include "ui/Control.h"
#include "ui/headless/TextMetrics.h"

namespace lorivex::ui::headless {

namespace {

// The pixels a line covers, end point excluded, as a rectangle; exact for
// the horizontal and vertical lines the toolkit's users draw.
TRect Covered(TPoint from, TPoint to)
{
    if (from.X == to.X)
        return {from.X, std::min(from.Y, to.Y + 1), from.X + 1, std::max(from.Y + 1, to.Y)};
    if (from.Y == to.Y)
        return {std::min(from.X, to.X + 1), from.Y, std::max(from.X + 1, to.X), from.Y + 1};
    return {std::min(from.X, to.X), std::min(from.Y, to.Y), std::max(from.X, to.X) + 1,
            std::max(from.Y, to.Y) + 1};
}

} // namespace

std::optional<TColor> Recording::ColumnColor(int x) const
{
    std::optional<TColor> color;
    for (const auto& line : Lines)
        if (line.Visible && line.From.X == x && line.To.X == x)
            color = line.Color;
    return color;
}

std::vector<std::string> Recording::TextStrings() const
{
    std::vector<std::string> texts;
    for (const auto& text : Texts)
        texts.push_back(text.Text);
    return texts;
}

void RecordingDevice::Line(TPoint from, TPoint to, const TPen& pen)
{
    bool visible = !Covered(from, to).Intersect(recording_.Clip).Empty() && from != to;
    recording_.Lines.push_back({from, to, ColorToRGB(pen.Color), visible});
}

void RecordingDevice::Text(TPoint at, const std::string& text, const TFont& font, const TBrush& brush,
                           const TRect* clip)
{
    TRect effective = clip ? recording_.Clip.Intersect(*clip) : recording_.Clip;
    TSize size = Measure(text, font);
    TRect area{at.X, at.Y, at.X + size.Width, at.Y + size.Height};
    TFont resolved = font;
    resolved.Color = ColorToRGB(font.Color);
    recording_.Texts.push_back({at, text, resolved, brush.Style == TBrushStyle::Solid, effective,
                                !area.Intersect(effective).Empty()});
}

void RecordingDevice::Fill(const TRect& rect, const TBrush& brush)
{
    recording_.Fills.push_back({rect, ColorToRGB(brush.Color), !rect.Intersect(recording_.Clip).Empty()});
}

TSize RecordingDevice::Measure(const std::string& text, const TFont& font)
{
    return MeasureText(text, font);
}

Recording Paint(TControl& control)
{
    TCanvas* canvas = control.Canvas();
    if (!canvas)
        throw Exception("The control " + control.Name + " paints no canvas of its own");
    auto device = std::make_shared<RecordingDevice>(control.ClientRect());
    auto previous = canvas->Device();
    canvas->SetDevice(device);
    canvas->Font = control.Font;
    canvas->Brush = {control.Color, TBrushStyle::Solid};
    canvas->Pen = {};
    struct Restore {
        TCanvas& canvas;
        std::shared_ptr<CanvasDevice> device;
        ~Restore() { canvas.SetDevice(std::move(device)); }
    } restore{*canvas, previous};
    control.Paint();
    return device->Recorded();
}

} // namespace lorivex::ui::headless
