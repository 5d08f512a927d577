#include <gtest/gtest.h>

#include "services/CaptionBanner.h"
#include "services/DialogFrame.h"
#include "services/ExceptionDialog.h"
#include "services/GradientColor.h"
#include "ui/headless/RecordingCanvas.h"

namespace lorivex {
namespace {

using namespace ui;

const TColor Active = Rgb(10, 36, 106);     // Windows 2000's active caption
const TColor Inactive = Rgb(128, 128, 128); // and inactive caption

TEST(GradientColor, EndsExactAndHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(GradientColor(Rgb(0, 0, 0), Rgb(255, 0, 0), 2, 0), Rgb(0, 0, 0));
    EXPECT_EQ(GradientColor(Rgb(0, 0, 0), Rgb(255, 0, 0), 2, 1), Rgb(128, 0, 0)); // 127.5
    EXPECT_EQ(GradientColor(Rgb(0, 0, 0), Rgb(255, 0, 0), 2, 2), Rgb(255, 0, 0));
    // Falling channels too: 255 - 127.5 = 127.5 goes to 128.
    EXPECT_EQ(GradientColor(Rgb(0, 0, 255), Rgb(0, 0, 0), 2, 1), Rgb(0, 0, 128));
    // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2: never simply up.
    EXPECT_EQ(GradientColor(Rgb(0, 0, 0), Rgb(1, 3, 5), 2, 1), Rgb(0, 2, 2));
}

TEST(GradientColor, EqualChannelsStayWhateverTheSpan)
{
    for (int span : {1, 7, 400})
        for (int position : {0, span / 3, span}) {
            TColor c = GradientColor(Rgb(7, 0, 9), Rgb(7, 200, 9), span, position);
            EXPECT_EQ(RedOf(c), 7);
            EXPECT_EQ(BlueOf(c), 9);
        }
}

TEST(GradientColor, SystemColoursAreResolvedAndAZeroSpanGivesTheStart)
{
    EXPECT_EQ(GradientColor(clActiveCaption, clInactiveCaption, 10, 0), Active);
    EXPECT_EQ(GradientColor(clActiveCaption, clInactiveCaption, 10, 10), Inactive);
    EXPECT_EQ(GradientColor(clActiveCaption, clInactiveCaption, 0, 0), Active);
}

// A banner form as the command dialogs have it: a top panel with a caption
// and a paint box; here the paint box is narrower than the form.
class TBannerForm : public TForm {
public:
    TBannerForm()
    {
        SetBounds(0, 0, 102, 60);
        CaptionPanel = Add<TPanel>("CaptionPanel");
        CaptionPanel->SetHeight(25);
        CaptionPanel->SetAlign(TAlign::Top);
        CaptionPanel->SetCaption("Compiler Options");
        CaptionPaintBox = CaptionPanel->Add<TPaintBox>("CaptionPaintBox");
        CaptionPaintBox->SetBounds(0, 0, 100, 25);
        CaptionPaintBox->OnPaint = [this](TComponent&) { PaintCaptionBanner(*CaptionPaintBox, true); };
    }
    TPanel* CaptionPanel;
    TPaintBox* CaptionPaintBox;
};

TEST(CaptionBanner, ColumnsRunOverTheFormsWidthAndAreClippedToThePaintBox)
{
    auto form = CreateLorivexForm<TBannerForm>();
    auto picture = headless::Paint(*form->CaptionPaintBox);

    ASSERT_EQ(picture.Lines.size(), 103u); // x = 0 .. 102, both ends included
    EXPECT_EQ(picture.ColumnColor(0), Active);
    EXPECT_EQ(picture.ColumnColor(99), GradientColor(Active, Inactive, 102, 99));
    for (int x = 100; x <= 102; ++x) {
        EXPECT_EQ(picture.Lines[size_t(x)].From.X, x);
        EXPECT_FALSE(picture.Lines[size_t(x)].Visible) << x;
    }
    // Each line runs from the form's top to its bottom, end point excluded.
    EXPECT_EQ(picture.Lines[0].From, (TPoint{0, 0}));
    EXPECT_EQ(picture.Lines[0].To, (TPoint{0, 60}));
}

TEST(CaptionBanner, CaptionIsCentredOnTheFormInBoldCaptionTextAtFive)
{
    auto form = CreateLorivexForm<TBannerForm>();
    auto picture = headless::Paint(*form->CaptionPaintBox);

    ASSERT_EQ(picture.Texts.size(), 1u);
    const auto& text = picture.Texts[0];
    EXPECT_EQ(text.Text, "Compiler Options");
    // 16 characters of 6 pixels (bold 11-pixel face): 102 div 2 - 96 div 2.
    EXPECT_EQ(text.At, (TPoint{3, 5}));
    EXPECT_TRUE(text.Font.Bold());
    EXPECT_EQ(text.Font.Name, "MS Sans Serif");
    EXPECT_EQ(text.Font.Height, 11);
    EXPECT_EQ(text.Font.Color, clWhite);
    EXPECT_FALSE(text.Opaque);
    EXPECT_EQ(text.Clip, (TRect{0, 0, 100, 25}));
}

TEST(CaptionBanner, ThePanelsOfTheErrorDialogShowOneContinuousGradient)
{
    auto dialog = CreateLorivexForm<TlxExceptionDialog>();
    auto top = headless::Paint(*dialog->PaintBox1);
    auto bottom = headless::Paint(*dialog->PaintBox3);
    for (int x : {0, 100, 326})
        EXPECT_EQ(top.ColumnColor(x), bottom.ColumnColor(x)) << x;
    EXPECT_EQ(top.ColumnColor(326), GradientColor(Active, Inactive, 327, 326));
    EXPECT_FALSE(top.ColumnColor(327).has_value()); // the form's own width is outside
    EXPECT_TRUE(top.Texts.empty());
}

} // namespace
} // namespace lorivex
