// Button faces on Word 2000, which has no Picture or Mask: pasted from the
// clipboard, which the author gets back as it was.
#include "host/HostFixture.h"

#include <algorithm>

#include "commands/Glyphs.h"
#include "host/HostButtonGlyph.h"
#include "platform/Clipboard.h"
#include "ui/Color.h"

namespace lorivex::test {
namespace {

class Word2000Glyphs : public HostTest {
protected:
    Word2000Glyphs() : HostTest(u"9.0") {}
};

TEST_F(Word2000Glyphs, FacesArePastedOnTheButtonFaceColour)
{
    Start();
    const auto glyph = MakeGlyph(TGlyph::About);
    const auto face = Control(AboutTag)->Picture();
    ASSERT_EQ(face.Width, 16);
    ASSERT_EQ(face.Height, 16);
    EXPECT_EQ(Control(AboutTag)->Mask().Width, 0) << "a pasted face has no mask";
    const ui::TColor transparent = glyph->TransparentColor();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(face.Pixel(x, y), glyph->Pixel(x, y) == transparent ? ui::Rgb(212, 208, 200) : glyph->Pixel(x, y))
                << x << "," << y;
    // Each button got its own face, not the first one pasted.
    EXPECT_EQ(Control(CompileTag)->Picture().Pixels, GlyphOnButtonFace(*MakeGlyph(TGlyph::Compile)).Pixels);
}

TEST_F(Word2000Glyphs, TheClipboardHoldsTheSameBeforeAndAfter)
{
    const std::vector<platform::ClipboardBlock> before = {
        {platform::ClipboardTextFormat, "the author's text"},
        {platform::ClipboardRtfFormat, "{\\rtf1 the author's text}"},
        {"HTML Format", "<b>text</b>"},
        {platform::ClipboardDibFormat, platform::EncodeDib(platform::Image(2, 2, ui::clRed))},
    };
    platform::SetClipboardBlocks(before);
    // Windows adds the formats it makes from these (Unicode text from the
    // text, a bitmap from the DIB...): the clipboard as the author has it.
    const auto held = platform::GetClipboardBlocks();
    for (const auto& block : before)
        ASSERT_TRUE(std::any_of(held.begin(), held.end(), [&](const auto& b) {
            return b.Format == block.Format && b.Data == block.Data;
        })) << block.Format;
    Start();
    ASSERT_GT(Control(CompileTag)->Picture().Width, 0);
    const auto after = platform::GetClipboardBlocks();
    ASSERT_EQ(after.size(), held.size());
    for (size_t i = 0; i < held.size(); ++i) {
        EXPECT_EQ(after[i].Format, held[i].Format);
        EXPECT_EQ(after[i].Data, held[i].Data) << held[i].Format;
    }
}

TEST(HostButtonGlyph, Word2000IsToldByItsVersion)
{
    EXPECT_TRUE(IsWord2000(u"9.0"));
    EXPECT_TRUE(IsWord2000(u"9.0.0.2720"));
    EXPECT_FALSE(IsWord2000(u"10.0"));
    EXPECT_FALSE(IsWord2000(u"19.0"));
    EXPECT_FALSE(IsWord2000(u"11.0"));
}

TEST(HostButtonGlyph, AnEmptyClipboardStaysEmpty)
{
    platform::SetClipboardBlocks({});
    auto app = engine::CreateApplication(u"9.0");
    auto bar = app->CommandBars()->Add(u"Faces", word::msoBarTop, false);
    auto button = bar->Controls()->Add(word::msoControlButton);
    ui::TBitmap glyph(3, 2, ui::clWhite);
    glyph.SetPixel(1, 0, ui::clNavy);
    glyph.SetPixel(0, 1, ui::clRed);
    glyph.SetTransparentColor(ui::clWhite);
    ASSERT_TRUE(PasteButtonGlyph(button, glyph));
    EXPECT_TRUE(platform::GetClipboardBlocks().empty());
    const auto face = button->Picture();
    ASSERT_EQ(face.Width, 3);
    EXPECT_EQ(face.Pixel(1, 0), ui::clNavy);
    EXPECT_EQ(face.Pixel(0, 0), ui::Rgb(212, 208, 200));
    EXPECT_EQ(face.Pixel(0, 1), ui::clRed) << "the named transparent colour counts, not the corner's";
}

TEST(HostButtonGlyph, LaterWordsTakePictureAndMask)
{
    auto app = engine::CreateApplication(u"11.0");
    auto button = app->CommandBars()->Add(u"Faces", word::msoBarTop, false)->Controls()->Add(word::msoControlButton);
    platform::SetClipboardText("untouched");
    ui::TBitmap glyph(2, 2, ui::clRed);
    glyph.SetPixel(0, 0, ui::clNavy);
    SetButtonGlyph(button, glyph, app->Version());
    EXPECT_EQ(button->Picture().Pixel(0, 0), ui::clNavy);
    EXPECT_EQ(button->Mask().Pixel(0, 0), ui::clBlack);
    EXPECT_EQ(button->Mask().Pixel(1, 1), ui::clWhite) << "the bottom-left colour is the transparent one";
    EXPECT_EQ(platform::GetClipboardText(), "untouched");
}

} // namespace
} // namespace lorivex::test
