#include "ui/Canvas.h"

#include "base/Exception.h"
#include "ui/Application.h"

namespace lorivex::ui {

CanvasDevice& TCanvas::RequireDevice() const
{
    if (!device_ && control_)
        device_ = Application().Backend().MeasuringDevice(*control_);
    if (!device_)
        throw Exception("Canvas does not allow drawing");
    return *device_;
}

void TCanvas::LineTo(int x, int y)
{
    RequireDevice().Line(penPos_, {x, y}, Pen);
    penPos_ = {x, y};
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    RequireDevice().Text({x, y}, text, Font, Brush, nullptr);
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const std::string& text)
{
    RequireDevice().Text({x, y}, text, Font, Brush, &clip);
}

void TCanvas::FillRect(const TRect& rect)
{
    RequireDevice().Fill(rect, Brush);
}

TSize TCanvas::TextExtent(const std::string& text)
{
    return RequireDevice().Measure(text, Font);
}

TRect TCanvas::ClipRect() const
{
    return RequireDevice().ClipRect();
}

} // namespace lorivex::ui
