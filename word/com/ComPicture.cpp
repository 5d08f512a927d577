#include "word/com/ComPicture.h"

#include "services/word/Dispatch.h"

namespace lorivex::word::com {

// GDI's 32-bit pixels are 0x00RRGGBB; the image's are 0x00BBGGRR.
static std::uint32_t SwapRedBlue(std::uint32_t c)
{
    return (c & 0xFF00) | ((c >> 16) & 0xFF) | ((c & 0xFF) << 16);
}

ComValue PictureOf(const platform::Image& image)
{
    if (image.Width <= 0 || image.Height <= 0)
        return ComValue(static_cast<IDispatch*>(nullptr));
    BITMAPINFO info = platform::win32::TopDownDibInfo(image.Width, image.Height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        throw EWordError("No bitmap could be made for a button face");
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
        pixels[i] = SwapRedBlue(image.Pixels[i]);
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    IDispatch* picture = nullptr;
    HRESULT hr = OleCreatePictureIndirect(&desc, IID_IDispatch, TRUE, reinterpret_cast<void**>(&picture));
    if (FAILED(hr)) {
        DeleteObject(bitmap);
        throw EWordError("No picture object could be made for a button face");
    }
    ComValue result(picture);
    picture->Release();
    return result;
}

platform::Image ImageOf(const ComValue& value)
{
    ComPtr<IUnknown> unknown = value.Unknown();
    if (!unknown)
        return {};
    ComPtr<IPicture> picture = unknown.As<IPicture>();
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->get_Handle(&handle)))
        throw EWordError("Word gave a button face that is not a picture");
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP header{};
    if (!GetObject(bitmap, sizeof header, &header))
        throw EWordError("Word gave a button face without a bitmap");
    platform::Image image(header.bmWidth, header.bmHeight);
    BITMAPINFO info = platform::win32::TopDownDibInfo(image.Width, image.Height);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(image.Height), image.Pixels.data(), &info,
                         DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != image.Height)
        throw EWordError("The bits of a button face could not be read");
    for (std::uint32_t& pixel : image.Pixels)
        pixel = SwapRedBlue(pixel) & 0xFFFFFF;
    return image;
}

} // namespace lorivex::word::com
