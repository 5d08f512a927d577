#pragma once
// The picture of a toolbar button. Word from 2002 on takes a picture and a
// mask; Word 2000 has neither property and pastes its faces from the
// clipboard, which is borrowed for that and handed back as it was.
#include <string>

#include "platform/Images.h"
#include "services/word/Forward.h"
#include "ui/Picture.h"

namespace lorivex {

// The glyph's pixels as Word's picture.
platform::Image GlyphPicture(const ui::TBitmap& glyph);
// White where the glyph has its transparent colour, black elsewhere.
platform::Image GlyphMask(const ui::TBitmap& glyph);
// The glyph drawn on the button-face colour: what Word 2000 shows, since a
// pasted face has no mask.
platform::Image GlyphOnButtonFace(const ui::TBitmap& glyph);

// Word 2000: its Version begins with "9.0".
bool IsWord2000(const std::u16string& wordVersion);

// Gives the button its face: Picture and Mask, or on Word 2000 and when
// those fail, the clipboard.
void SetButtonGlyph(const word::CommandBarControlPtr& button, const ui::TBitmap& glyph,
                    const std::u16string& wordVersion);

// Through the clipboard: everything on it saved (but the pictures held as
// system handles, which cannot be copied), the glyph put on it, PasteFace
// tried up to 11 times, the saved contents put back in every case. A
// clipboard that stays locked leaves the button without a face; false then.
bool PasteButtonGlyph(const word::CommandBarControlPtr& button, const ui::TBitmap& glyph);

} // namespace lorivex
