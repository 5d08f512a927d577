#pragma once
// Picture files as bitmaps of the form toolkit: what the symbols menu shows
// beside each file of the installation's symbol folder.
#include <string>

#include "platform/Images.h"
#include "ui/Picture.h"

namespace lorivex {

// A BMP or GIF file (a GIF's first frame) in its own size. A GIF's
// transparent colour becomes the bitmap's; a BMP keeps the bottom-left rule.
// Raises the loader's Exception, which names the file, unchanged: that
// message is what the user reads when a symbol cannot be shown.
ui::TBitmapPtr LoadPictureBitmap(const std::string& path);

ui::TBitmapPtr BitmapFromImage(const platform::Image& image);

} // namespace lorivex
