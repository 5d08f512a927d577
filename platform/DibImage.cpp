// Device-independent bitmaps, the clipboard's form of a picture: a BMP file
// less its 14-byte file header. Reading puts the header back and lets the BMP
// reader do the rest, so that both read the same pictures.
#include <cstdint>

#include "platform/ImageChecks.h"
#include "platform/Images.h"

namespace lorivex::platform {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

std::uint32_t Get(const std::string& bytes, size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + size_t(i)]);
    return value;
}

constexpr std::uint32_t InfoHeaderSize = 40, FileHeaderSize = 14, BiBitFields = 3;

} // namespace

std::string EncodeDib(const Image& image)
{
    const std::uint32_t stride = (std::uint32_t(image.Width) * 3 + 3) / 4 * 4;
    std::string out;
    Put(out, InfoHeaderSize, 4);
    Put(out, std::uint32_t(image.Width), 4);
    Put(out, std::uint32_t(image.Height), 4); // positive: bottom-up
    Put(out, 1, 2);                            // planes
    Put(out, 24, 2);                           // bits per pixel
    Put(out, 0, 4);                            // BI_RGB
    Put(out, stride * std::uint32_t(image.Height), 4);
    Put(out, 2835, 4); // 72 dots per inch, as pixels per metre
    Put(out, 2835, 4);
    Put(out, 0, 4); // colours used
    Put(out, 0, 4); // colours important
    for (int y = image.Height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < image.Width; ++x) {
            std::uint32_t c = image.Pixel(x, y); // 0x00BBGGRR
            out += char((c >> 16) & 0xFF);
            out += char((c >> 8) & 0xFF);
            out += char(c & 0xFF);
        }
        out.append(rowStart + stride - out.size(), '\0');
    }
    return out;
}

Image DecodeDib(const std::string& bytes, const std::string& name)
{
    if (bytes.size() < 16)
        images::RaiseDamaged(name, "it ends too soon");
    const std::uint32_t headerSize = Get(bytes, 0, 4);
    if (headerSize < 12 || headerSize > bytes.size())
        images::RaiseDamaged(name, "its header is damaged");
    // Where the pixels start: after the header, the bit-field masks of an
    // info header and the palette.
    std::uint32_t bitCount = headerSize == 12 ? Get(bytes, 10, 2) : Get(bytes, 14, 2);
    std::uint32_t paletteEntries = 0, masks = 0;
    if (headerSize >= InfoHeaderSize) {
        if (Get(bytes, 16, 4) == BiBitFields && headerSize == InfoHeaderSize)
            masks = 12;
        paletteEntries = Get(bytes, 32, 4);
    }
    if (paletteEntries == 0 && bitCount <= 8)
        paletteEntries = 1u << bitCount;
    const std::uint32_t entrySize = headerSize == 12 ? 3 : 4;
    const std::uint64_t offset = FileHeaderSize + headerSize + masks + std::uint64_t(paletteEntries) * entrySize;
    std::string file;
    file += "BM";
    Put(file, std::uint32_t(FileHeaderSize + bytes.size()), 4);
    Put(file, 0, 4);
    Put(file, std::uint32_t(offset), 4);
    file += bytes;
    return DecodeBmp(file, name);
}

} // namespace lorivex::platform
