#include "host/HostButtonGlyph.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "base/Finally.h"
#include "platform/Clipboard.h"
#include "services/word/CommandBars.h"
#include "ui/Color.h"

namespace lorivex {

namespace {

// Another program may hold the clipboard for a moment; Word may be busy
// with the previous paste.
constexpr int ClipboardAttempts = 101;
constexpr int PasteFaceAttempts = 11;
constexpr auto RetryPause = std::chrono::milliseconds(10);

// CF_BITMAP, CF_METAFILEPICT and CF_ENHMETAFILE are handles, not memory
// blocks: they cannot be saved as copies.
bool IsHandleFormat(const std::string& format)
{
    return format == "#2" || format == "#3" || format == "#14";
}

template <class Body>
bool Attempt(int attempts, Body&& body)
{
    for (int i = 0; i < attempts; ++i) {
        if (i > 0)
            std::this_thread::sleep_for(RetryPause);
        try {
            body();
            return true;
        } catch (const std::exception&) {
        }
    }
    return false;
}

platform::Image Transformed(const ui::TBitmap& glyph, ui::TColor transparentAs, bool mask)
{
    platform::Image image(glyph.Width(), glyph.Height());
    const ui::TColor transparent = glyph.TransparentColor();
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            const ui::TColor pixel = glyph.Pixel(x, y);
            if (mask)
                image.SetPixel(x, y, pixel == transparent ? ui::clWhite : ui::clBlack);
            else
                image.SetPixel(x, y, pixel == transparent ? transparentAs : ui::ColorToRGB(pixel));
        }
    return image;
}

} // namespace

platform::Image GlyphPicture(const ui::TBitmap& glyph)
{
    return Transformed(glyph, ui::ColorToRGB(glyph.TransparentColor()), false);
}

platform::Image GlyphMask(const ui::TBitmap& glyph)
{
    return Transformed(glyph, 0, true);
}

platform::Image GlyphOnButtonFace(const ui::TBitmap& glyph)
{
    return Transformed(glyph, ui::ColorToRGB(ui::clBtnFace), false);
}

bool IsWord2000(const std::u16string& wordVersion)
{
    return wordVersion.starts_with(u"9.0");
}

bool PasteButtonGlyph(const word::CommandBarControlPtr& button, const ui::TBitmap& glyph)
{
    std::optional<std::vector<platform::ClipboardBlock>> saved;
    if (!Attempt(ClipboardAttempts, [&] { saved = platform::GetClipboardBlocks(); }))
        return false;
    std::erase_if(*saved, [](const auto& block) { return IsHandleFormat(block.Format); });
    bool pasted = false;
    Finally(
        [&] {
            const std::string dib = platform::EncodeDib(GlyphOnButtonFace(glyph));
            if (!Attempt(ClipboardAttempts, [&] { platform::SetClipboardBlocks({{platform::ClipboardDibFormat, dib}}); }))
                return;
            pasted = Attempt(PasteFaceAttempts, [&] { button->PasteFace(); });
        },
        [&] { Attempt(ClipboardAttempts, [&] { platform::SetClipboardBlocks(*saved); }); });
    return pasted;
}

void SetButtonGlyph(const word::CommandBarControlPtr& button, const ui::TBitmap& glyph,
                    const std::u16string& wordVersion)
{
    if (glyph.Empty())
        return;
    if (!IsWord2000(wordVersion)) {
        try {
            button->SetPicture(GlyphPicture(glyph));
            button->SetMask(GlyphMask(glyph));
            return;
        } catch (const std::exception&) {
            // A Word that refuses the picture still takes a pasted face.
        }
    }
    PasteButtonGlyph(button, glyph);
}

} // namespace lorivex
