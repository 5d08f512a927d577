// Pictures as the symbols menu gets them: files turned into the form
// toolkit's bitmaps, and the symbols the build draws for the installation.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "Failure.h"
#include "TestSupport.h"
#include "base/Exception.h"
#include "platform/FileSystem.h"
#include "platform/Versions.h"
#include "services/Pictures.h"

namespace lorivex {
namespace {
using lorivex::test::Throws;

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
    // The loader adds no trace of its own: the caller's context comes first.
    EXPECT_THAT([&] { LoadPictureBitmap(path); },
                Throws<Exception>(testing::AllOf(
                    testing::Property(&Exception::Message, "The picture \"" + path + "\" is damaged: it ends too soon."),
                    testing::Not(testing::WhenDynamicCastTo<const ElxException&>(testing::_)))));
}

// The build draws the symbols into the folder beside its programs.
TEST(InstalledSymbols, AllLoadInTheirSizesWithTheirBackgroundSeeThrough)
{
    std::string folder = platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), "Symbols");
    std::set<std::string> names;
    for (const auto& entry : platform::ListDirectory(folder)) {
        std::string ext = platform::ExtractFileExt(entry.Name);
        ASSERT_TRUE(ext == ".gif" || ext == ".bmp") << entry.Name;
        names.insert(entry.Name.substr(0, entry.Name.size() - ext.size()));
        SCOPED_TRACE(entry.Name);

        auto bitmap = LoadPictureBitmap(platform::JoinPath(folder, entry.Name));
        int size = bitmap->Width();
        ASSERT_TRUE(size == 16 || size == 32);
        ASSERT_EQ(bitmap->Height(), size);
        // GIFs name their transparent colour; BMPs rely on the bottom-left
        // rule, which only works when that corner is background.
        EXPECT_EQ(bitmap->HasTransparentColor(), ext == ".gif");
        ui::TColor clear = bitmap->TransparentColor();
        for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
            EXPECT_EQ(bitmap->Pixel(x, y), clear) << "corner " << x << ", " << y;
        int drawn = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                drawn += bitmap->Pixel(x, y) != clear;
        EXPECT_GT(drawn, size * size / 6) << "hardly anything drawn";
    }
    EXPECT_GE(names.size(), 12u);
    for (const char* name : {"Note", "Tip", "Warning", "Caution", "Important", "Information", "Check", "Cross",
                             "New", "Changed", "Step", "Key"})
        EXPECT_TRUE(names.count(name)) << name;
}

} // namespace
} // namespace lorivex
