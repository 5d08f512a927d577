#pragma once
// The drawing surface of a control during painting. The canvas keeps the
// drawing state (pen, brush, font, pen position); the device behind it puts
// the pixels somewhere: a window's device context in the Win32 back end, a
// recording in headless runs. Coordinates are those of the control's client
// area; the device clips to the control and to the paint region.
#include <memory>
#include <string>

#include "ui/Color.h"
#include "ui/Font.h"
#include "ui/Geometry.h"

namespace lorivex::ui {

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

enum class TBrushStyle { Solid, Clear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::Solid;
};

class CanvasDevice {
public:
    virtual ~CanvasDevice() = default;
    // A line from one point to another, the end point excluded.
    virtual void Line(TPoint from, TPoint to, const TPen& pen) = 0;
    // Text with its top-left corner at the point; clip, when given, narrows
    // the device's own clipping for this text only.
    virtual void Text(TPoint at, const std::string& text, const TFont& font, const TBrush& brush,
                      const TRect* clip) = 0;
    virtual void Fill(const TRect& rect, const TBrush& brush) = 0;
    virtual TSize Measure(const std::string& text, const TFont& font) = 0;
    virtual TRect ClipRect() const = 0;
};

class TControl;

class TCanvas {
public:
    // The control whose canvas this is: outside painting the canvas asks the
    // back end for a device of that control, so that text can be measured.
    explicit TCanvas(TControl* control = nullptr) : control_(control) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& clip, int x, int y, const std::string& text);
    void FillRect(const TRect& rect);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).Width; }
    int TextHeight(const std::string& text) { return TextExtent(text).Height; }
    TRect ClipRect() const;

    // Set by the back end, for painting or for measuring outside painting.
    void SetDevice(std::shared_ptr<CanvasDevice> device) { device_ = std::move(device); }
    const std::shared_ptr<CanvasDevice>& Device() const { return device_; }

private:
    CanvasDevice& RequireDevice() const;
    TControl* control_;
    mutable std::shared_ptr<CanvasDevice> device_;
    TPoint penPos_;
};

} // namespace lorivex::ui
