// Pictures as the symbols menu gets them: files turned into the form
// toolkit's bitmaps.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "base/Exception.h"
#include "services/Pictures.h"

namespace lorivex {
namespace {

using ui::Rgb;

TEST(PictureBitmap, KeepsPixelsAndTheFilesTransparentColourOverTheBottomLeftRule)
{
    platform::Image image(3, 2, Rgb(1, 2, 3));
    image.SetPixel(0, 1, Rgb(9, 9, 9));
    image.SetPixel(2, 0, Rgb(200, 100, 50));
    auto plain = BitmapFromImage(image);
    ASSERT_EQ(plain->Width(), 3);
    ASSERT_EQ(plain->Height(), 2);
    EXPECT_EQ(plain->Pixel(2, 0), Rgb(200, 100, 50));
    EXPECT_EQ(plain->Pixel(1, 1), Rgb(1, 2, 3));
    EXPECT_FALSE(plain->HasTransparentColor());
    EXPECT_EQ(plain->TransparentColor(), Rgb(9, 9, 9)) << "a picture without its own keeps the bottom-left rule";

    image.TransparentColor = Rgb(1, 2, 3);
    auto clear = BitmapFromImage(image);
    EXPECT_EQ(clear->TransparentColor(), Rgb(1, 2, 3));
    clear->ClearTransparentColor();
    EXPECT_EQ(clear->TransparentColor(), Rgb(9, 9, 9));
}

TEST(PictureBitmap, LoaderMessageReachesTheCallerUnchanged)
{
    test::TempFolder folder;
    std::string path = folder / "Broken.gif";
    test::WriteTextFile(path, "GIF89a\x10");
    try {
        LoadPictureBitmap(path);
        FAIL() << "a damaged picture loaded";
    } catch (const ElxException& e) {
        FAIL() << "the loader added a trace of its own: " << e.CallStack();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "The picture \"" + path + "\" is damaged: it ends too soon.");
    }
}

} // namespace
} // namespace lorivex
