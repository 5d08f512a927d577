#include "ui/win32/Screenshot.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/Exception.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

namespace {

void Put16(std::string& out, std::uint16_t value)
{
    out.push_back(char(value & 0xFF));
    out.push_back(char(value >> 8));
}

void Put32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char((value >> shift) & 0xFF));
}

} // namespace

TBitmap CaptureWindow(HWND window, bool clientOnly)
{
    if (!window || !IsWindowVisible(window))
        throw Exception("Only a window on screen can be captured");
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    RECT r{};
    if (clientOnly)
        GetClientRect(window, &r);
    else {
        GetWindowRect(window, &r);
        OffsetRect(&r, -r.left, -r.top);
    }
    int width = r.right, height = r.bottom;
    if (width <= 0 || height <= 0)
        return {};
    HDC source = clientOnly ? GetDC(window) : GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = platform::win32::TopDownDibInfo(width, height);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    TBitmap picture(width, height);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
            picture.SetPixel(x, y, Rgb(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)));
        }
    SelectObject(memory, previous);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return picture;
}

TBitmap CaptureForm(TForm& form, bool clientOnly)
{
    WindowPeer* peer = WindowPeer::Of(form);
    if (!peer || !peer->Handle())
        throw Exception("The form " + form.ClassName() + " has no window");
    return CaptureWindow(peer->Handle(), clientOnly);
}

void SaveBmp(const TBitmap& bitmap, const std::string& path)
{
    // 24 bits a pixel, rows bottom-up and padded to 4 bytes, as every
    // picture viewer reads them.
    std::uint32_t stride = (std::uint32_t(bitmap.Width()) * 3 + 3) & ~3u;
    std::uint32_t imageSize = stride * std::uint32_t(bitmap.Height());
    std::string out;
    out += "BM";
    Put32(out, 14 + 40 + imageSize);
    Put32(out, 0);
    Put32(out, 14 + 40);
    Put32(out, 40);
    Put32(out, std::uint32_t(bitmap.Width()));
    Put32(out, std::uint32_t(bitmap.Height()));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, BI_RGB);
    Put32(out, imageSize);
    Put32(out, 3780); // 96 dots per inch
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor c = bitmap.Pixel(x, y);
            row.push_back(char(BlueOf(c)));
            row.push_back(char(GreenOf(c)));
            row.push_back(char(RedOf(c)));
        }
        row.resize(stride, '\0');
        out += row;
    }
    std::ofstream file(std::filesystem::path(Wide(path)), std::ios::binary);
    file.write(out.data(), std::streamsize(out.size()));
    if (!file)
        throw Exception("Cannot write the picture " + path);
}

} // namespace lorivex::ui::win32
