#include "ui/win32/GdiCanvas.h"

#include <algorithm>

#include "ui/Control.h"
#include "ui/win32/Fonts.h"

namespace lorivex::ui::win32 {

GdiDevice::GdiDevice(HDC dc)
    : dc_(dc), originalPen_(GetCurrentObject(dc, OBJ_PEN)), originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

GdiDevice::~GdiDevice()
{
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalFont_);
    if (pen_)
        DeleteObject(pen_);
}

void GdiDevice::Line(TPoint from, TPoint to, const TPen& pen)
{
    // A gradient draws hundreds of lines of as many colours; one pen is kept
    // for as long as the colour stays.
    COLORREF color = ColorToRGB(pen.Color);
    int width = std::max(1, pen.Width);
    if (!pen_ || color != penColor_ || width != penWidth_) {
        HPEN next = CreatePen(PS_SOLID, width, color);
        SelectObject(dc_, next);
        if (pen_)
            DeleteObject(pen_);
        pen_ = next;
        penColor_ = color;
        penWidth_ = width;
    }
    MoveToEx(dc_, from.X, from.Y, nullptr);
    LineTo(dc_, to.X, to.Y);
}

void GdiDevice::UseFont(const TFont& font)
{
    SelectObject(dc_, FontHandle(font));
}

void GdiDevice::Text(TPoint at, const std::string& text, const TFont& font, const TBrush& brush,
                     const TRect* clip)
{
    UseFont(font);
    std::wstring wide = Wide(text);
    bool opaque = brush.Style == TBrushStyle::Solid;
    SetTextColor(dc_, ColorToRGB(font.Color));
    SetBkColor(dc_, ColorToRGB(brush.Color));
    SetBkMode(dc_, opaque ? OPAQUE : TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    if (clip) {
        // As TextRect has always done: a solid brush fills the whole rectangle.
        RECT r = ToRect(*clip);
        ExtTextOutW(dc_, at.X, at.Y, ETO_CLIPPED | (opaque ? ETO_OPAQUE : 0), &r, wide.c_str(), UINT(wide.size()),
                    nullptr);
    } else {
        ExtTextOutW(dc_, at.X, at.Y, 0, nullptr, wide.c_str(), UINT(wide.size()), nullptr);
    }
}

void GdiDevice::Fill(const TRect& rect, const TBrush& brush)
{
    if (brush.Style != TBrushStyle::Solid)
        return;
    RECT r = ToRect(rect);
    HBRUSH fill = CreateSolidBrush(ColorToRGB(brush.Color));
    FillRect(dc_, &r, fill);
    DeleteObject(fill);
}

TSize GdiDevice::Measure(const std::string& text, const TFont& font)
{
    UseFont(font);
    std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), int(wide.size()), &size);
    if (wide.empty()) {
        // An empty text is as high as the font's line, as labels expect.
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        size.cy = metrics.tmHeight;
    }
    return {size.cx, size.cy};
}

TRect GdiDevice::ClipRect() const
{
    RECT r{};
    GetClipBox(dc_, &r);
    return FromRect(r);
}

OwnedMemoryDc::OwnedMemoryDc() : memoryDc_(CreateCompatibleDC(nullptr)) {}

OwnedMemoryDc::~OwnedMemoryDc()
{
    DeleteDC(memoryDc_);
}

void PaintThroughCanvas(TControl& control, HDC dc)
{
    PaintThroughCanvas(control, dc, [&] { control.Paint(); });
}

void PaintThroughCanvas(TControl& control, HDC dc, const std::function<void()>& paint)
{
    TCanvas* canvas = control.Canvas();
    if (!canvas)
        return;
    auto device = std::make_shared<GdiDevice>(dc);
    struct Restore {
        TCanvas& canvas;
        std::shared_ptr<CanvasDevice> previous;
        ~Restore() { canvas.SetDevice(std::move(previous)); }
    } restore{*canvas, canvas->Device()};
    canvas->SetDevice(device);
    canvas->Font = control.Font;
    canvas->Brush = {control.Color, TBrushStyle::Solid};
    canvas->Pen = {};
    paint();
}

TSize MeasureOnScreen(const std::string& text, const TFont& font)
{
    ScratchDevice device({0, 0, 0, 0});
    return device.Measure(text, font);
}

} // namespace lorivex::ui::win32
