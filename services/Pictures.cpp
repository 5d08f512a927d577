#include "services/Pictures.h"

namespace lorivex {

ui::TBitmapPtr LoadPictureBitmap(const std::string& path)
{
    return BitmapFromImage(platform::ReadImageFile(path));
}

ui::TBitmapPtr BitmapFromImage(const platform::Image& image)
{
    auto bitmap = std::make_shared<ui::TBitmap>(image.Width, image.Height);
    // Both sides keep 0x00BBGGRR, so pixels pass as they are.
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            bitmap->SetPixel(x, y, image.Pixel(x, y));
    if (image.TransparentColor)
        bitmap->SetTransparentColor(*image.TransparentColor);
    return bitmap;
}

} // namespace lorivex
