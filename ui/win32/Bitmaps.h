#pragma once
// The toolkit's pictures on GDI: device-independent bitmaps made from their
// pixels, drawn with their transparent colour left out, greyed for disabled
// buttons, gathered into image lists for tree views.
#include "ui/Picture.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

// A 32-bit top-down DIB section of the picture; the caller deletes it. With
// `alpha`, pixels of the transparent colour are fully transparent and all
// others opaque (what menus want); without, a plain RGB picture.
HBITMAP CreateDib(const TBitmap& bitmap, bool alpha = false);

// Draws the picture with its top-left corner at (x, y). Transparent: its
// transparent colour is left out.
void DrawBitmap(HDC dc, int x, int y, const TBitmap& bitmap, bool transparent);

// The picture as a disabled button shows it: shades of grey, lighter.
TBitmap Grayed(const TBitmap& bitmap);

// An image list of the pictures, each at the list's size, masked with its
// transparent colour; the caller destroys it.
HIMAGELIST CreateImageList(const TImageList& images);

} // namespace lorivex::ui::win32
