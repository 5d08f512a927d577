#include "services/CaptionBanner.h"

#include "base/Exception.h"
#include "services/GradientColor.h"
#include "ui/Form.h"

namespace lorivex {

namespace {

void PaintGradient(ui::TCanvas& canvas, const ui::TRect& r)
{
    for (int x = r.Left; x <= r.Right; ++x) {
        canvas.Pen.Color = GradientColor(ui::clActiveCaption, ui::clInactiveCaption, r.Right - r.Left, x - r.Left);
        canvas.MoveTo(x, r.Top);
        canvas.LineTo(x, r.Bottom);
    }
}

void PaintCaption(ui::TCanvas& canvas, const ui::TRect& r, const ui::TFont& formFont, const std::string& caption)
{
    canvas.Font = formFont;
    canvas.Font.Style |= ui::fsBold;
    canvas.Font.Color = ui::clCaptionText;
    canvas.Brush.Style = ui::TBrushStyle::Clear;
    canvas.TextRect(r, r.Right / 2 - canvas.TextWidth(caption) / 2, 5, caption);
}

} // namespace

void PaintCaptionBanner(ui::TPaintBox& paintBox, bool withCaption)
{
    ui::TForm* form = paintBox.OwnerForm();
    if (!form)
        throw Exception("The paint box " + paintBox.Name + " is on no form");
    ui::TRect r{0, 0, form->ClientWidth(), form->ClientHeight()};
    ui::TCanvas& canvas = *paintBox.Canvas();
    PaintGradient(canvas, r);
    if (withCaption && paintBox.Parent())
        PaintCaption(canvas, r, form->Font, paintBox.Parent()->Caption());
}

} // namespace lorivex
