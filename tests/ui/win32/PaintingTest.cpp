// Painting on real device contexts: the canvas's device draws what the
// toolkit asks with GDI, system colours come from the system, and the
// banner and the transparent controls over it come out on screen as a
// person sees them.
#include "Win32Support.h"

#include <cstdint>

#include "services/CaptionBanner.h"
#include "services/GradientColor.h"
#include "ui/Buttons.h"
#include "ui/Labels.h"
#include "ui/Panels.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/Screenshot.h"

namespace lorivex::ui::win32::test {
namespace {

// A white 60 x 30 bitmap with a GDI device on it.
class Surface {
public:
    Surface()
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, 60, -30, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, 60, 30};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        device = std::make_unique<GdiDevice>(dc_);
    }
    ~Surface()
    {
        device.reset();
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TColor Pixel(int x, int y)
    {
        GdiFlush();
        std::uint32_t p = bits_[y * 60 + x];
        return Rgb(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
    }
    bool Any(const TRect& area, TColor color)
    {
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (Pixel(x, y) == color)
                    return true;
        return false;
    }
    HDC Dc() const { return dc_; }
    std::unique_ptr<GdiDevice> device;

private:
    HBITMAP bitmap_;
    std::uint32_t* bits_ = nullptr;
    HDC dc_;
    HGDIOBJ previous_;
};

class Painting : public Win32Test {};

TEST_F(Painting, TheDeviceFillsAndDrawsLinesWithoutTheirEndPoint)
{
    Surface surface;
    surface.device->Fill({2, 2, 10, 6}, {clRed, TBrushStyle::Solid});
    EXPECT_EQ(surface.Pixel(2, 2), clRed);
    EXPECT_EQ(surface.Pixel(9, 5), clRed);
    EXPECT_EQ(surface.Pixel(10, 5), clWhite);
    surface.device->Fill({20, 2, 30, 6}, {clRed, TBrushStyle::Clear});
    EXPECT_EQ(surface.Pixel(25, 3), clWhite);
    surface.device->Line({0, 10}, {10, 10}, {clNavy, 1});
    EXPECT_EQ(surface.Pixel(0, 10), clNavy);
    EXPECT_EQ(surface.Pixel(9, 10), clNavy);
    EXPECT_EQ(surface.Pixel(10, 10), clWhite);
    // System colours become the system's current values.
    surface.device->Line({0, 12}, {5, 12}, {clActiveCaption, 1});
    EXPECT_EQ(surface.Pixel(0, 12), TColor(GetSysColor(COLOR_ACTIVECAPTION)));
}

TEST_F(Painting, TextIsOpaqueOrTransparentAsTheBrushSaysAndStaysInItsClip)
{
    TFont font;
    font.Color = clBlack;
    const TColor yellow = Rgb(255, 255, 0);
    {
        Surface surface;
        surface.device->Text({2, 2}, "MW", font, {yellow, TBrushStyle::Solid}, nullptr);
        EXPECT_TRUE(surface.Any({2, 2, 20, 15}, yellow));
        EXPECT_TRUE(surface.Any({2, 2, 20, 15}, clBlack));
    }
    {
        Surface surface;
        surface.device->Text({2, 2}, "MW", font, {yellow, TBrushStyle::Clear}, nullptr);
        EXPECT_FALSE(surface.Any({0, 0, 60, 30}, yellow));
        EXPECT_TRUE(surface.Any({2, 2, 20, 15}, clBlack));
    }
    {
        // The clip cuts the text, and a solid brush fills the whole clip.
        Surface surface;
        TRect clip{0, 0, 4, 30};
        surface.device->Text({2, 2}, "MMMM", font, {yellow, TBrushStyle::Solid}, &clip);
        EXPECT_FALSE(surface.Any({4, 0, 60, 30}, clBlack));
        EXPECT_EQ(surface.Pixel(0, 25), yellow);
    }
    Surface surface;
    SIZE expected{};
    HGDIOBJ previous = SelectObject(surface.Dc(), FontHandle(font));
    GetTextExtentPoint32W(surface.Dc(), L"Compile", 7, &expected);
    SelectObject(surface.Dc(), previous);
    EXPECT_EQ(surface.device->Measure("Compile", font), (TSize{expected.cx, expected.cy}));
    font.Style = fsBold;
    EXPECT_GT(surface.device->Measure("Compile", font).Width, expected.cx);
    EXPECT_EQ(ColorToRGB(clBtnFace), TColor(GetSysColor(COLOR_BTNFACE)));
}

// A form with a banner over its full width and two labels on it, as the
// dialogs have: one transparent, one not.
class TBannerForm : public TForm {
public:
    TBannerForm()
    {
        SetCaption("Banner");
        BorderStyle = TFormBorderStyle::Dialog;
        SetBounds(80, 80, 300, 120);
        CaptionPanel = Add<TPanel>("CaptionPanel");
        CaptionPanel->SetHeight(40);
        CaptionPanel->SetAlign(TAlign::Top);
        CaptionPanel->SetCaption("Relevant topics");
        Banner = CaptionPanel->Add<TPaintBox>("Banner");
        Banner->SetAlign(TAlign::Client);
        Banner->OnPaint = [this](TComponent& sender) {
            PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), WithCaption);
            ++paints;
        };
        Clear = CaptionPanel->Add<TLabel>("Clear");
        Clear->Transparent = true;
        Clear->SetBounds(200, 20, 0, 0);
        Clear->SetCaption("Over");
        Solid = CaptionPanel->Add<TLabel>("Solid");
        Solid->SetBounds(250, 20, 0, 0);
        Solid->SetCaption("Box");
    }
    TPanel* CaptionPanel;
    TPaintBox* Banner;
    TLabel* Clear;
    TLabel* Solid;
    bool WithCaption = false;
    int paints = 0;
};

TEST_F(Painting, TheBannerRunsFromTheActiveToTheInactiveCaptionColour)
{
    auto form = Application().CreateForm<TBannerForm>();
    form->Show();
    Settle();
    TBitmap picture = CaptureForm(*form, true);
    ASSERT_EQ(picture.Width(), 300);
    ASSERT_EQ(picture.Height(), 120);
    EXPECT_EQ(picture.Pixel(0, 5), TColor(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_EQ(picture.Pixel(150, 5), GradientColor(clActiveCaption, clInactiveCaption, 300, 150));
    EXPECT_EQ(picture.Pixel(299, 39), GradientColor(clActiveCaption, clInactiveCaption, 300, 299));
    EXPECT_NE(picture.Pixel(0, 5), picture.Pixel(299, 5));
    // Under the banner the form's own colour.
    EXPECT_EQ(picture.Pixel(10, 60), TColor(GetSysColor(COLOR_BTNFACE)));

    // The transparent label shows the banner around its letters; the other
    // one has its own background.
    RECT clear = ChildRect(WindowOf(*form->Clear)), solid = ChildRect(WindowOf(*form->Solid));
    EXPECT_EQ(picture.Pixel(clear.right - 1, clear.top),
              GradientColor(clActiveCaption, clInactiveCaption, 300, clear.right - 1));
    EXPECT_EQ(picture.Pixel(solid.right - 1, solid.top), TColor(GetSysColor(COLOR_BTNFACE)));

    // Resized, the banner is painted again over the new width.
    int before = form->paints;
    form->SetClientWidth(400);
    Settle();
    EXPECT_GT(form->paints, before);
    picture = CaptureForm(*form, true);
    EXPECT_EQ(picture.Pixel(399, 5), GradientColor(clActiveCaption, clInactiveCaption, 400, 399));
}

TEST_F(Painting, TheBannerCaptionIsDrawnInBoldCaptionTextColour)
{
    auto form = Application().CreateForm<TBannerForm>();
    form->WithCaption = true;
    form->Clear->SetVisible(false);
    form->Solid->SetVisible(false);
    form->Show();
    Settle();
    TBitmap picture = CaptureForm(*form, true);
    const TColor text = GetSysColor(COLOR_CAPTIONTEXT);
    TFont bold = form->Font;
    bold.Style = fsBold;
    int width = MeasureOnScreen("Relevant topics", bold).Width;
    int left = 300 / 2 - width / 2;
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x)
            if (picture.Pixel(x, y) == text)
                ++(x >= left && x < left + width && y >= 5 ? inside : outside);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

TEST_F(Painting, BitButtonsShowTheirStockGlyphsGreyedWhenDisabled)
{
    auto form = Application().CreateForm<TBannerForm>();
    auto* ok = form->Add<TBitBtn>("Ok");
    ok->SetKind(TBitBtnKind::Ok);
    ok->SetBounds(8, 60, 75, 25);
    auto* cancel = form->Add<TBitBtn>("Cancel");
    cancel->SetKind(TBitBtnKind::Cancel);
    cancel->SetBounds(92, 60, 75, 25);
    form->Show();
    Settle();
    auto has = [](const TBitmap& picture, TColor color) {
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.Pixel(x, y) == color)
                    return true;
        return false;
    };
    const TColor green = Rgb(0, 128, 0), red = Rgb(192, 0, 0);
    EXPECT_TRUE(has(CaptureWindow(WindowOf(*ok), true), green));
    EXPECT_FALSE(has(CaptureWindow(WindowOf(*ok), true), red));
    EXPECT_TRUE(has(CaptureWindow(WindowOf(*cancel), true), red));
    ok->SetEnabled(false);
    Settle();
    EXPECT_FALSE(has(CaptureWindow(WindowOf(*ok), true), green));
    EXPECT_EQ(GetWindowLongW(WindowOf(*ok), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(Painting, AnInvalidatedPaintBoxPaintsAgain)
{
    auto form = Application().CreateForm<TBannerForm>();
    auto* box = form->Add<TPaintBox>("Box");
    box->SetBounds(10, 50, 40, 40);
    TColor fill = clRed;
    box->OnPaint = [&](TComponent&) {
        box->Canvas()->Brush.Color = fill;
        box->Canvas()->FillRect(box->ClientRect());
    };
    form->Show();
    Settle();
    EXPECT_EQ(CaptureForm(*form, true).Pixel(20, 60), clRed);
    fill = clNavy;
    box->Invalidate();
    Settle();
    EXPECT_EQ(CaptureForm(*form, true).Pixel(20, 60), clNavy);
}

} // namespace
} // namespace lorivex::ui::win32::test
