// Button faces crossing to Word as picture objects and back.
#include <gtest/gtest.h>

#include "tests/word/FakeWord.h"
#include "tests/wordstandin/WordStandIn.h"
#include "word/com/ComPicture.h"
#include "word/com/WordCom.h"

namespace lorivex::test {
namespace {

platform::Image Face()
{
    platform::Image image(3, 2);
    image.SetPixel(0, 0, 0x0000FF); // red
    image.SetPixel(1, 0, 0x00FF00);
    image.SetPixel(2, 0, 0xFF0000); // blue
    image.SetPixel(0, 1, 0x123456);
    image.SetPixel(1, 1, 0xFFFFFF);
    image.SetPixel(2, 1, 0x000000);
    return image;
}

// GDI's COLORREF is 0x00BBGGRR, as the image's pixels are.
TEST(WordComPictures, PictureObjectHoldsTheImagesPixels)
{
    platform::Image face = Face();
    word::com::ComValue picture = word::com::PictureOf(face);
    auto pic = picture.Unknown().As<IPicture>();
    ASSERT_TRUE(pic);
    OLE_HANDLE handle = 0;
    ASSERT_EQ(pic->get_Handle(&handle), S_OK);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
    for (int y = 0; y < face.Height; ++y)
        for (int x = 0; x < face.Width; ++x)
            EXPECT_EQ(GetPixel(dc, x, y), face.Pixel(x, y)) << x << "," << y;
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(word::com::ImageOf(picture).Pixels, face.Pixels);
}

TEST(WordComPictures, EmptyImageIsNothing)
{
    EXPECT_FALSE(word::com::PictureOf(platform::Image()).Object());
    EXPECT_EQ(word::com::ImageOf(word::com::ComValue()).Width, 0);
}

TEST(WordComPictures, ButtonPictureAndMaskReachWord)
{
    standin::ResetCounts();
    auto fake = std::make_shared<fakeword::FakeApplication>();
    IDispatch* served = standin::ExposeApplication(fake);
    {
        word::ApplicationPtr app = word::com::BindApplication(served);
        word::CommandBarControlPtr button =
            app->CommandBars()->Add(u"T", word::msoBarTop, true)->Controls()->Add(word::msoControlButton);
        platform::Image mask(3, 2, 0xFFFFFF);
        mask.SetPixel(1, 1, 0);
        button->SetPicture(Face());
        button->SetMask(mask);
        auto fakeButton = fake->CommandBars()->Item(1)->Controls()->Item(1);
        EXPECT_EQ(fakeButton->Picture().Pixels, Face().Pixels);
        EXPECT_EQ(fakeButton->Mask().Pixels, mask.Pixels);
        EXPECT_EQ(button->Picture().Pixels, Face().Pixels);
        EXPECT_EQ(button->Mask().Height, 2);
    }
    served->Release();
    EXPECT_EQ(standin::Counts().alive, 0u);
    EXPECT_EQ(standin::Counts().overReleases, 0u);
}

} // namespace
} // namespace lorivex::test
