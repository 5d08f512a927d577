// Picture loading: GIF files written here by giflib's own encoder, BMP files
// put together byte by byte, so that neither reader is checked against a
// writer of ours.
#include <gif_lib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Failure.h"
#include "TestSupport.h"
#include "base/Exception.h"
#include "platform/FileSystem.h"
#include "platform/Images.h"

namespace lorivex::platform {
namespace {

using testing::HasSubstr;

constexpr std::uint32_t Rgb(int r, int g, int b) { return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16); }

// The message of the failure the body raises ("" for none).
template <class Body>
std::string FailureOf(Body&& body)
{
    return test::MessageOf(std::forward<Body>(body));
}

// ---------------------------------------------------------------- GIF files

GifColorType C(int r, int g, int b) { return GifColorType{GifByteType(r), GifByteType(g), GifByteType(b)}; }
std::uint32_t ColorOf(const GifColorType& c) { return Rgb(c.Red, c.Green, c.Blue); }

struct TestFrame {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::vector<GifPixelType> Indices;     // display order, row by row
    std::vector<GifColorType> LocalColors; // none when empty
    std::vector<int> RowOrder;             // given: the frame is interlaced, rows written in this order
    int Transparent = NO_TRANSPARENT_COLOR;
};

int Append(GifFileType* gif, const GifByteType* data, int count)
{
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size_t(count));
    return count;
}

struct MapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using MapPtr = std::unique_ptr<ColorMapObject, MapFree>;

MapPtr MakeMap(const std::vector<GifColorType>& colors)
{
    if (colors.empty())
        return nullptr;
    std::vector<GifColorType> table(colors);
    size_t size = 2;
    while (size < table.size())
        size *= 2;
    table.resize(size, C(0, 0, 0));
    return MapPtr(GifMakeMapObject(int(size), table.data()));
}

std::string MakeGif(int width, int height, const std::vector<GifColorType>& global, int background,
                    const std::vector<TestFrame>& frames)
{
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, Append, &error);
    EXPECT_NE(gif, nullptr);
    EGifSetGifVersion(gif, true);
    MapPtr globalMap = MakeMap(global);
    EXPECT_EQ(EGifPutScreenDesc(gif, width, height, 8, background, globalMap.get()), GIF_OK);
    for (const TestFrame& frame : frames) {
        if (frame.Transparent != NO_TRANSPARENT_COLOR) {
            GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 10, frame.Transparent};
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            EXPECT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), GIF_OK);
        }
        MapPtr local = MakeMap(frame.LocalColors);
        EXPECT_EQ(EGifPutImageDesc(gif, frame.Left, frame.Top, frame.Width, frame.Height, !frame.RowOrder.empty(),
                                   local.get()),
                  GIF_OK);
        std::vector<int> order = frame.RowOrder;
        if (order.empty())
            for (int y = 0; y < frame.Height; ++y)
                order.push_back(y);
        for (int y : order) {
            std::vector<GifPixelType> row(frame.Indices.begin() + y * frame.Width,
                                          frame.Indices.begin() + (y + 1) * frame.Width);
            EXPECT_EQ(EGifPutLine(gif, row.data(), frame.Width), GIF_OK);
        }
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    return bytes;
}

TestFrame Frame(int width, int height, std::vector<GifPixelType> indices)
{
    TestFrame frame;
    frame.Width = width;
    frame.Height = height;
    frame.Indices = std::move(indices);
    return frame;
}

const std::vector<GifColorType> Four{C(255, 0, 0), C(0, 255, 0), C(0, 0, 255), C(255, 255, 255)};

void ExpectPixels(const Image& image, int width, int height, const std::function<std::uint32_t(int, int)>& expected)
{
    ASSERT_EQ(image.Width, width);
    ASSERT_EQ(image.Height, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(image.Pixel(x, y), expected(x, y)) << "pixel " << x << ", " << y;
}

TEST(GifImage, GivesEveryPixelItsTableColourTopRowFirst)
{
    std::vector<GifPixelType> indices{0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 2, 2};
    Image image = DecodeGif(MakeGif(4, 3, Four, 0, {Frame(4, 3, indices)}), "plain.gif");
    ExpectPixels(image, 4, 3, [&](int x, int y) { return ColorOf(Four[indices[size_t(y * 4 + x)]]); });
    EXPECT_FALSE(image.TransparentColor);
}

TEST(GifImage, PutsInterlacedRowsBackInOrder)
{
    // Ten rows, each of its own colour, stored as an interlaced GIF stores
    // them: every 8th row from 0, every 8th from 4, every 4th from 2, every
    // 2nd from 1.
    std::vector<GifColorType> colors;
    for (int i = 0; i < 16; ++i)
        colors.push_back(C(i * 16, 255 - i * 16, i));
    TestFrame frame;
    frame.Width = 3;
    frame.Height = 10;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 3; ++x)
            frame.Indices.push_back(GifPixelType(y));
    frame.RowOrder = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
    Image image = DecodeGif(MakeGif(3, 10, colors, 0, {frame}), "interlaced.gif");
    ExpectPixels(image, 3, 10, [&](int, int y) { return ColorOf(colors[size_t(y)]); });
}

TEST(GifImage, TransparentIndexGivesTheTransparentColour)
{
    TestFrame frame = Frame(2, 2, {0, 2, 2, 1});
    frame.Transparent = 2;
    Image image = DecodeGif(MakeGif(2, 2, Four, 0, {frame}), "transparent.gif");
    ASSERT_TRUE(image.TransparentColor);
    EXPECT_EQ(*image.TransparentColor, ColorOf(Four[2]));
    ExpectPixels(image, 2, 2, [](int x, int y) {
        return x == y ? ColorOf(Four[size_t(x)]) : ColorOf(Four[2]);
    });
}

TEST(GifImage, TransparentColourThatAlsoShowsOpaqueIsReplacedByAnUnusedOne)
{
    // Index 0 is transparent and white; index 3 is white too, and drawn.
    std::vector<GifColorType> colors{C(255, 255, 255), C(255, 0, 255), C(0, 0, 0), C(255, 255, 255)};
    TestFrame frame = Frame(3, 1, {0, 3, 1});
    frame.Transparent = 0;
    Image image = DecodeGif(MakeGif(3, 1, colors, 0, {frame}), "clash.gif");
    ASSERT_TRUE(image.TransparentColor);
    std::uint32_t transparent = *image.TransparentColor;
    EXPECT_EQ(image.Pixel(0, 0), transparent);
    EXPECT_EQ(image.Pixel(1, 0), Rgb(255, 255, 255));
    EXPECT_EQ(image.Pixel(2, 0), Rgb(255, 0, 255));
    EXPECT_NE(transparent, Rgb(255, 255, 255));
    EXPECT_NE(transparent, Rgb(255, 0, 255));
}

TEST(GifImage, LocalColourTableWinsOverTheGlobalOne)
{
    TestFrame frame = Frame(2, 1, {0, 1});
    frame.LocalColors = {C(10, 20, 30), C(40, 50, 60)};
    Image image = DecodeGif(MakeGif(2, 1, Four, 0, {frame}), "local.gif");
    EXPECT_EQ(image.Pixel(0, 0), Rgb(10, 20, 30));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(40, 50, 60));

    // And a frame needs no global table when it brings its own.
    Image alone = DecodeGif(MakeGif(2, 1, {}, 0, {frame}), "alone.gif");
    EXPECT_EQ(alone.Pixel(1, 0), Rgb(40, 50, 60));
}

TEST(GifImage, FrameSitsAtItsOffsetOnTheLogicalScreen)
{
    TestFrame frame = Frame(2, 2, {0, 1, 2, 0});
    frame.Left = 3;
    frame.Top = 2;
    auto inFrame = [](int x, int y) { return x >= 3 && x < 5 && y >= 2 && y < 4; };
    std::vector<GifPixelType> indices = frame.Indices;
    auto frameColor = [&](int x, int y) { return ColorOf(Four[indices[size_t((y - 2) * 2 + (x - 3))]]); };

    // Opaque: the rest shows the screen's background colour.
    Image opaque = DecodeGif(MakeGif(6, 5, Four, 3, {frame}), "offset.gif");
    ExpectPixels(opaque, 6, 5, [&](int x, int y) { return inFrame(x, y) ? frameColor(x, y) : ColorOf(Four[3]); });

    // With transparency the rest is transparent as well.
    frame.Transparent = 1;
    Image clear = DecodeGif(MakeGif(6, 5, Four, 3, {frame}), "offset-clear.gif");
    ASSERT_TRUE(clear.TransparentColor);
    std::uint32_t t = *clear.TransparentColor;
    ExpectPixels(clear, 6, 5, [&](int x, int y) {
        if (!inFrame(x, y))
            return t;
        return indices[size_t((y - 2) * 2 + (x - 3))] == 1 ? t : frameColor(x, y);
    });

    // A screen smaller than its frame grows to hold it.
    Image grown = DecodeGif(MakeGif(1, 1, Four, 3, {frame}), "small-screen.gif");
    EXPECT_EQ(grown.Width, 5);
    EXPECT_EQ(grown.Height, 4);
}

TEST(GifImage, OnlyTheFirstFrameCountsAndLaterOnesMayBeDamaged)
{
    TestFrame first = Frame(2, 2, {0, 0, 0, 0}), second = Frame(2, 2, {1, 1, 1, 1});
    second.Transparent = 0;
    std::string bytes = MakeGif(2, 2, Four, 0, {first, second, second});
    Image image = DecodeGif(bytes, "animated.gif");
    ExpectPixels(image, 2, 2, [](int, int) { return ColorOf(Four[0]); });
    EXPECT_FALSE(image.TransparentColor) << "the second frame's transparency is not the first's";

    std::string firstOnly = MakeGif(2, 2, Four, 0, {first});
    std::string cutInSecond = bytes.substr(0, firstOnly.size() + 5);
    EXPECT_EQ(DecodeGif(cutInSecond, "cut.gif").Pixels, image.Pixels);
}

TEST(GifImage, EveryCutBeforeTheFirstFrameEndsIsReportedWithTheFileName)
{
    std::vector<GifPixelType> indices;
    for (int i = 0; i < 64; ++i)
        indices.push_back(GifPixelType((i * 7) % 4));
    std::string bytes = MakeGif(8, 8, Four, 0, {Frame(8, 8, indices)});
    // The last two bytes are the frame's block terminator and the trailer.
    for (size_t length = 0; length + 2 < bytes.size(); ++length) {
        std::string message = FailureOf([&] { DecodeImage(bytes.substr(0, length), "cut.gif"); });
        ASSERT_THAT(message, HasSubstr("\"cut.gif\"")) << "cut at " << length;
    }
    EXPECT_THAT(FailureOf([&] { DecodeGif(bytes.substr(0, bytes.size() / 2), "cut.gif"); }),
                HasSubstr("ends too soon"));
}

TEST(GifImage, DamagedStructuresAreReported)
{
    EXPECT_THAT(FailureOf([] { DecodeGif(MakeGif(4, 4, Four, 0, {}), "empty.gif"); }), HasSubstr("no picture"));
    // giflib writes no frame without a table, so one is taken out afterwards:
    // the screen descriptor's flag, and the table behind it.
    std::string tableless = MakeGif(2, 1, Four, 0, {Frame(2, 1, {0, 1})});
    unsigned char packed = static_cast<unsigned char>(tableless[10]);
    tableless[10] = char(packed & 0x7F);
    tableless.erase(13, size_t(3) << ((packed & 7) + 1));
    EXPECT_THAT(FailureOf([&] { DecodeGif(tableless, "tableless.gif"); }), HasSubstr("no colour table"));
    EXPECT_THAT(FailureOf([] { DecodeGif("PNG is not GIF", "wrong.gif"); }),
                HasSubstr("\"wrong.gif\" is not a GIF picture"));

    // A screen of 65535 x 65535 must be refused before anything is allocated.
    EXPECT_THAT(FailureOf([] { DecodeGif(MakeGif(65535, 65535, Four, 0, {Frame(1, 1, {0})}), "huge.gif"); }),
                HasSubstr("too large"));
    TestFrame far = Frame(1, 1, {0});
    far.Left = 60000;
    EXPECT_THAT(FailureOf([&] { DecodeGif(MakeGif(1, 1, Four, 0, {far}), "far.gif"); }), HasSubstr("too large"));
}

// ---------------------------------------------------------------- BMP files

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

struct BmpLayout {
    int Width = 0, Height = 0; // Height < 0: top-down
    int BitCount = 24;
    std::uint32_t Compression = 0;
    std::uint32_t HeaderSize = 40;
    std::vector<std::uint32_t> Palette; // 0x00BBGGRR
    std::uint32_t ColorsUsed = 0;
    std::vector<std::uint32_t> Masks; // red, green, blue
};

// Value(x, y) is the palette index, the 0x00BBGGRR colour (24 bits) or the
// raw pixel word (16 and 32 bits) of the pixel at x, y counted from the top.
std::string MakeBmp(const BmpLayout& s, const std::function<std::uint32_t(int, int)>& value)
{
    int height = s.Height < 0 ? -s.Height : s.Height;
    bool core = s.HeaderSize == 12;
    std::string header;
    Put(header, s.HeaderSize, 4);
    if (core) {
        Put(header, std::uint32_t(s.Width), 2);
        Put(header, std::uint32_t(s.Height), 2);
        Put(header, 1, 2);
        Put(header, std::uint32_t(s.BitCount), 2);
    } else {
        Put(header, std::uint32_t(s.Width), 4);
        Put(header, std::uint32_t(s.Height), 4);
        Put(header, 1, 2);
        Put(header, std::uint32_t(s.BitCount), 2);
        Put(header, s.Compression, 4);
        Put(header, 0, 4);
        Put(header, 2835, 4);
        Put(header, 2835, 4);
        Put(header, s.ColorsUsed, 4);
        Put(header, 0, 4);
        if (s.HeaderSize > 40) {
            for (std::uint32_t mask : s.Masks)
                Put(header, mask, 4);
            header.resize(s.HeaderSize, '\0');
        }
    }
    if (s.HeaderSize == 40)
        for (std::uint32_t mask : s.Masks)
            Put(header, mask, 4);
    for (std::uint32_t color : s.Palette) {
        Put(header, (color >> 16) & 0xFF, 1);
        Put(header, (color >> 8) & 0xFF, 1);
        Put(header, color & 0xFF, 1);
        if (!core)
            Put(header, 0x5A, 1); // the reserved byte means nothing
    }

    std::string pixels;
    size_t stride = (size_t(s.Width) * size_t(s.BitCount) + 31) / 32 * 4;
    for (int row = 0; row < height; ++row) {
        int y = s.Height < 0 ? row : height - 1 - row;
        std::string line(stride, '\0');
        for (int x = 0; x < s.Width; ++x) {
            std::uint32_t v = value(x, y);
            switch (s.BitCount) {
            case 1: line[size_t(x / 8)] = char(line[size_t(x / 8)] | (v << (7 - x % 8))); break;
            case 4: line[size_t(x / 2)] = char(line[size_t(x / 2)] | (v << (x % 2 ? 0 : 4))); break;
            case 8: line[size_t(x)] = char(v); break;
            case 16: line[size_t(2 * x)] = char(v & 0xFF), line[size_t(2 * x + 1)] = char(v >> 8); break;
            case 24:
                line[size_t(3 * x)] = char((v >> 16) & 0xFF);
                line[size_t(3 * x + 1)] = char((v >> 8) & 0xFF);
                line[size_t(3 * x + 2)] = char(v & 0xFF);
                break;
            case 32:
                for (int i = 0; i < 4; ++i)
                    line[size_t(4 * x + i)] = char((v >> (8 * i)) & 0xFF);
                break;
            }
        }
        pixels += line;
    }
    std::string file = "BM";
    std::uint32_t offset = 14 + std::uint32_t(header.size());
    Put(file, offset + std::uint32_t(pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, offset, 4);
    return file + header + pixels;
}

std::vector<std::uint32_t> Palette(int count)
{
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back(Rgb((i * 37) & 0xFF, (i * 91 + 13) & 0xFF, (255 - i) & 0xFF));
    return palette;
}

class BmpPaletteDepth : public testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(BmpPaletteDepth, ReadsEveryIndexThroughThePalette)
{
    auto [bits, topDown] = GetParam();
    // Thirteen pixels a row cross byte boundaries and need row padding at
    // every depth.
    BmpLayout layout;
    layout.Width = 13;
    layout.Height = topDown ? -4 : 4;
    layout.BitCount = bits;
    layout.Palette = Palette(1 << bits);
    auto index = [&](int x, int y) { return std::uint32_t(x * 3 + y * 5 + x * y) % (1u << bits); };
    Image image = DecodeBmp(MakeBmp(layout, index), "depth.bmp");
    ExpectPixels(image, 13, 4, [&](int x, int y) { return layout.Palette[index(x, y)]; });
    EXPECT_FALSE(image.TransparentColor);
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpPaletteDepth,
                         testing::Combine(testing::Values(1, 4, 8), testing::Bool()));

TEST(BmpImage, TrueColourBottomUpAndTopDown)
{
    auto color = [](int x, int y) { return Rgb(x * 40, y * 60, 200 - x * 10); };
    for (int height : {4, -4}) {
        BmpLayout layout;
        layout.Width = 5;
        layout.Height = height;
        layout.BitCount = 24;
        SCOPED_TRACE(height);
        ExpectPixels(DecodeBmp(MakeBmp(layout, color), "rgb.bmp"), 5, 4, color);

        // 32 bits without bit fields: blue, green, red and a fourth byte that
        // means nothing.
        layout.BitCount = 32;
        auto word = [&](int x, int y) {
            std::uint32_t c = color(x, y);
            return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF) | 0x7F000000u;
        };
        ExpectPixels(DecodeBmp(MakeBmp(layout, word), "rgbx.bmp"), 5, 4, color);
    }
}

TEST(BmpImage, BitFieldsDecideWhereEachChannelIs)
{
    BmpLayout layout;
    layout.Width = 3;
    layout.Height = 2;
    layout.BitCount = 32;
    layout.Compression = 3;
    // Red in the low byte, blue in the third: the reverse of the usual order.
    layout.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    auto color = [](int x, int y) { return Rgb(x * 100, y * 100, 7); };
    ExpectPixels(DecodeBmp(MakeBmp(layout, color), "fields.bmp"), 3, 2, color);

    // The same masks inside a V5 header, top-down.
    layout.HeaderSize = 124;
    layout.Height = -2;
    ExpectPixels(DecodeBmp(MakeBmp(layout, color), "v5.bmp"), 3, 2, color);

    // 16 bits as 5-6-5: full channels widen to 255.
    BmpLayout wide;
    wide.Width = 3;
    wide.Height = 1;
    wide.BitCount = 16;
    wide.Compression = 3;
    wide.Masks = {0xF800, 0x07E0, 0x001F};
    std::vector<std::uint32_t> words{0xF800, 0x07E0, 0x001F};
    Image image = DecodeBmp(MakeBmp(wide, [&](int x, int) { return words[size_t(x)]; }), "565.bmp");
    EXPECT_EQ(image.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(0, 255, 0));
    EXPECT_EQ(image.Pixel(2, 0), Rgb(0, 0, 255));
}

TEST(BmpImage, OlderAndNewerHeadersAndShortPalettes)
{
    auto index = [](int x, int y) { return std::uint32_t(x + y * 4) % 6; };
    BmpLayout core;
    core.HeaderSize = 12;
    core.Width = 4;
    core.Height = 2;
    core.BitCount = 8;
    core.Palette = Palette(256);
    ExpectPixels(DecodeBmp(MakeBmp(core, index), "os2.bmp"), 4, 2, [&](int x, int y) { return core.Palette[index(x, y)]; });

    // A V4 header with a palette of only the six colours used.
    BmpLayout v4 = core;
    v4.HeaderSize = 108;
    v4.Palette = Palette(6);
    v4.ColorsUsed = 6;
    ExpectPixels(DecodeBmp(MakeBmp(v4, index), "v4.bmp"), 4, 2, [&](int x, int y) { return v4.Palette[index(x, y)]; });
}

TEST(BmpImage, CutShortIsReportedUpToTheLastPixelButNotItsPadding)
{
    BmpLayout layout;
    layout.Width = 5; // 15 bytes a row, one of padding
    layout.Height = 3;
    std::string bytes = MakeBmp(layout, [](int x, int y) { return Rgb(x, y, 1); });
    EXPECT_EQ(DecodeBmp(bytes.substr(0, bytes.size() - 1), "short.bmp").Pixel(4, 0), Rgb(4, 0, 1));
    for (size_t length = 2; length + 1 < bytes.size(); ++length) {
        std::string message = FailureOf([&] { DecodeImage(bytes.substr(0, length), "short.bmp"); });
        ASSERT_THAT(message, HasSubstr("The picture \"short.bmp\" is damaged: it ends too soon")) << "cut at " << length;
    }
}

TEST(BmpImage, RefusesWhatItCannotShowWithAClearMessage)
{
    auto black = [](int, int) { return 0u; };
    auto fails = [&](BmpLayout layout) { return FailureOf([&] { DecodeBmp(MakeBmp(layout, black), "odd.bmp"); }); };
    BmpLayout rle;
    rle.Width = rle.Height = 2;
    rle.BitCount = 8;
    rle.Compression = 1;
    rle.Palette = Palette(256);
    EXPECT_THAT(fails(rle), HasSubstr("run-length"));
    BmpLayout depth;
    depth.Width = depth.Height = 2;
    depth.BitCount = 7;
    EXPECT_THAT(fails(depth), HasSubstr("7 bits per pixel"));
    BmpLayout empty;
    empty.Width = 0;
    empty.Height = 5;
    EXPECT_THAT(fails(empty), HasSubstr("damaged"));

    // Absurd sizes fail on the header alone, with no pixel data behind it.
    for (auto [width, height] : {std::pair{100000, 1}, std::pair{1, INT32_MIN}, std::pair{20000, 20000}}) {
        std::string file = "BM" + std::string(12, '\0');
        file[10] = 54;
        Put(file, 40, 4);
        Put(file, std::uint32_t(width), 4);
        Put(file, std::uint32_t(height), 4);
        Put(file, 1, 2);
        Put(file, 24, 2);
        file.resize(54, '\0');
        EXPECT_THAT(FailureOf([&] { DecodeBmp(file, "huge.bmp"); }), HasSubstr("too large")) << width << " x " << height;
    }
}

// ---------------------------------------------------------------- files

TEST(ImageFile, NamesTheFileInEveryFailure)
{
    test::TempFolder folder;
    std::string missing = folder / "Missing.gif";
    EXPECT_THAT(FailureOf([&] { ReadImageFile(missing); }), HasSubstr("\"" + missing + "\""));

    std::string directory = folder / "Folder.gif";
    ASSERT_TRUE(ForceDirectories(directory));
    EXPECT_THAT(FailureOf([&] { ReadImageFile(directory); }), HasSubstr("\"" + directory + "\" is a folder"));

    std::string text = folder / "notes.bmp";
    test::WriteTextFile(text, "not a picture at all");
    EXPECT_THAT(FailureOf([&] { ReadImageFile(text); }), HasSubstr("\"" + text + "\" is not a BMP or GIF picture"));

    std::string empty = folder / "Empty.gif";
    test::WriteTextFile(empty, "");
    EXPECT_THAT(FailureOf([&] { ReadImageFile(empty); }), HasSubstr("\"" + empty + "\""));
}

TEST(ImageFile, ContentDecidesTheFormatNotTheName)
{
    test::TempFolder folder;
    std::string gifAsBmp = folder / "Really a GIF.bmp";
    WriteFileBytes(gifAsBmp, MakeGif(2, 1, Four, 0, {Frame(2, 1, {1, 2})}));
    Image image = ReadImageFile(gifAsBmp);
    EXPECT_EQ(image.Pixel(0, 0), ColorOf(Four[1]));
    EXPECT_EQ(image.Pixel(1, 0), ColorOf(Four[2]));

    BmpLayout layout;
    layout.Width = 1;
    layout.Height = 1;
    std::string bmpAsGif = folder / "Really a BMP.GIF";
    WriteFileBytes(bmpAsGif, MakeBmp(layout, [](int, int) { return Rgb(1, 2, 3); }));
    EXPECT_EQ(ReadImageFile(bmpAsGif).Pixel(0, 0), Rgb(1, 2, 3));
}

// ------------------------------------------------ clipboard bitmaps (DIB)

TEST(DibImage, KeepsEveryPixelThroughTheClipboardForm)
{
    // Three pixels wide: every row is padded to four bytes.
    Image image(3, 2, Rgb(1, 2, 3));
    image.SetPixel(0, 0, Rgb(255, 0, 0));
    image.SetPixel(2, 1, Rgb(0, 0, 255));
    const std::string dib = EncodeDib(image);
    EXPECT_EQ(dib.size(), 40u + 2 * 12);
    EXPECT_EQ(std::uint8_t(dib[40 + 12 + 2]), 255) << "rows bottom-up, blue green red";
    Image back = DecodeDib(dib, "the clipboard");
    EXPECT_EQ(back.Width, 3);
    EXPECT_EQ(back.Height, 2);
    EXPECT_EQ(back.Pixels, image.Pixels);
}

TEST(DibImage, ReadsPalettedBitmapsAndRefusesScraps)
{
    // A 2 x 1 bitmap of one bit per pixel with a two-colour palette.
    std::string dib;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            dib += char((value >> (8 * i)) & 0xFF);
    };
    put(40, 4), put(2, 4), put(1, 4), put(1, 2), put(1, 2), put(0, 4), put(4, 4), put(0, 4), put(0, 4), put(2, 4),
        put(0, 4);
    put(0x000000, 4), put(0x00FFFFFF, 4); // black, white
    put(0x40, 4);                          // 01...: black then white
    Image image = DecodeDib(dib, "the clipboard");
    EXPECT_EQ(image.Pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(255, 255, 255));
    EXPECT_THAT(FailureOf([] { DecodeDib("abc", "the clipboard"); }), HasSubstr("the clipboard"));
}

} // namespace
} // namespace lorivex::platform
