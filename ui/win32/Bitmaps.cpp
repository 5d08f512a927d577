#include "ui/win32/Bitmaps.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace lorivex::ui::win32 {

namespace {

// 0x00BBGGRR to the 0xAARRGGBB a 32-bit DIB keeps.
std::uint32_t DibPixel(TColor color, std::uint8_t alpha)
{
    color = ColorToRGB(color);
    return (std::uint32_t(alpha) << 24) | (std::uint32_t(RedOf(color)) << 16) | (std::uint32_t(GreenOf(color)) << 8)
         | BlueOf(color);
}

// The same picture at another size: cut or padded with its transparent
// colour, never scaled.
TBitmap Fitted(const TBitmap& bitmap, int width, int height)
{
    if (bitmap.Width() == width && bitmap.Height() == height)
        return bitmap;
    TBitmap fitted(width, height, bitmap.TransparentColor());
    for (int y = 0; y < std::min(height, bitmap.Height()); ++y)
        for (int x = 0; x < std::min(width, bitmap.Width()); ++x)
            fitted.SetPixel(x, y, bitmap.Pixel(x, y));
    fitted.SetTransparentColor(bitmap.TransparentColor());
    return fitted;
}

} // namespace

HBITMAP CreateDib(const TBitmap& bitmap, bool alpha)
{
    BITMAPINFO info = platform::win32::TopDownDibInfo(bitmap.Width(), bitmap.Height());
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    TColor transparent = ColorToRGB(bitmap.TransparentColor());
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor color = ColorToRGB(bitmap.Pixel(x, y));
            // With alpha, premultiplied: a transparent pixel is all zeros.
            // Without, the fourth byte stays 0 as BI_RGB wants it; image
            // lists that see it set take the picture for one with alpha and
            // ignore its mask.
            pixels[size_t(y) * size_t(bitmap.Width()) + size_t(x)] =
                !alpha ? DibPixel(color, 0) : color == transparent ? 0 : DibPixel(color, 0xFF);
        }
    return dib;
}

void DrawBitmap(HDC dc, int x, int y, const TBitmap& bitmap, bool transparent)
{
    if (bitmap.Empty())
        return;
    HBITMAP dib = CreateDib(bitmap);
    if (!dib)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, dib);
    if (transparent)
        TransparentBlt(dc, x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, bitmap.Width(), bitmap.Height(),
                       ColorToRGB(bitmap.TransparentColor()));
    else
        BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(dib);
}

TBitmap Grayed(const TBitmap& bitmap)
{
    TBitmap gray = bitmap;
    TColor transparent = ColorToRGB(bitmap.TransparentColor());
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor c = ColorToRGB(bitmap.Pixel(x, y));
            if (c == transparent)
                continue;
            int luminance = (RedOf(c) * 30 + GreenOf(c) * 59 + BlueOf(c) * 11) / 100;
            auto shade = std::uint8_t(128 + luminance / 2);
            gray.SetPixel(x, y, Rgb(shade, shade, shade));
        }
    gray.SetTransparentColor(transparent);
    return gray;
}

HIMAGELIST CreateImageList(const TImageList& images)
{
    HIMAGELIST list = ImageList_Create(images.Width(), images.Height(), ILC_COLOR24 | ILC_MASK, images.Count(), 1);
    if (!list)
        return nullptr;
    for (int i = 0; i < images.Count(); ++i) {
        const TBitmapPtr& picture = images[i];
        TBitmap fitted = picture ? Fitted(*picture, images.Width(), images.Height())
                                 : TBitmap(images.Width(), images.Height(), clWhite);
        if (!picture)
            fitted.SetTransparentColor(clWhite);
        HBITMAP dib = CreateDib(fitted);
        ImageList_AddMasked(list, dib, ColorToRGB(fitted.TransparentColor()));
        DeleteObject(dib);
    }
    return list;
}

} // namespace lorivex::ui::win32
