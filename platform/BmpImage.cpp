// Windows bitmaps, read by hand: the three header generations (OS/2 core,
// info, and the V4/V5 headers that only add fields we do not need), palette
// depths 1, 4 and 8, and 16, 24 and 32 bits with or without bit fields.
// Run-length compressed bitmaps are refused; no symbol is stored that way.
#include <array>
#include <cstdint>

#include "base/Exception.h"
#include "platform/ImageChecks.h"
#include "platform/Images.h"

namespace lorivex::platform {

namespace {

constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitFields = 3, BiAlphaBitFields = 6;
constexpr std::uint32_t CoreHeaderSize = 12, InfoHeaderSize = 40;
constexpr std::uint64_t FileHeaderSize = 14;

// Little-endian fields at absolute offsets, every read checked against the
// end of the file.
class Reader {
public:
    Reader(const std::string& bytes, const std::string& fileName) : bytes_(bytes), fileName_(fileName) {}

    std::uint32_t U32(std::uint64_t at) const { return std::uint32_t(Unsigned(at, 4)); }
    std::uint16_t U16(std::uint64_t at) const { return std::uint16_t(Unsigned(at, 2)); }
    std::int32_t I32(std::uint64_t at) const { return std::int32_t(U32(at)); }
    std::uint8_t U8(std::uint64_t at) const { return std::uint8_t(Unsigned(at, 1)); }
    const unsigned char* Data(std::uint64_t at, std::uint64_t count) const
    {
        Require(at, count);
        return reinterpret_cast<const unsigned char*>(bytes_.data()) + at;
    }
    void Require(std::uint64_t at, std::uint64_t count) const
    {
        if (at > bytes_.size() || count > bytes_.size() - at)
            images::RaiseDamaged(fileName_, "it ends too soon");
    }

private:
    std::uint64_t Unsigned(std::uint64_t at, int count) const
    {
        const unsigned char* p = Data(at, std::uint64_t(count));
        std::uint64_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = (value << 8) | p[i];
        return value;
    }

    const std::string& bytes_;
    const std::string& fileName_;
};

// One channel of a bit-field pixel: where its bits are, and how to widen
// them to eight.
struct Channel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint32_t Max = 0;

    explicit Channel(std::uint32_t mask) : Mask(mask)
    {
        if (!mask)
            return;
        while (!((mask >> Shift) & 1))
            ++Shift;
        Max = mask >> Shift;
    }
    std::uint32_t Of(std::uint32_t pixel) const
    {
        if (!Max)
            return 0;
        return std::uint32_t((std::uint64_t((pixel & Mask) >> Shift) * 255 + Max / 2) / Max);
    }
};

struct Header {
    std::int64_t Width = 0, Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    std::uint32_t Compression = BiRgb;
    std::uint32_t ColorsUsed = 0;
    std::uint32_t RedMask = 0, GreenMask = 0, BlueMask = 0;
    std::uint64_t PaletteAt = 0;
    int PaletteEntrySize = 4;
};

Header ReadHeader(const Reader& in, const std::string& fileName)
{
    Header h;
    std::uint32_t size = in.U32(FileHeaderSize);
    std::uint64_t info = FileHeaderSize;
    if (size == CoreHeaderSize) {
        h.Width = in.U16(info + 4);
        h.Height = in.U16(info + 6);
        h.BitCount = in.U16(info + 10);
        h.PaletteEntrySize = 3;
    } else if (size >= InfoHeaderSize && size <= 1024) {
        // Everything longer than the info header (V2 to V5, OS/2 2.x) begins
        // with it and only adds colour-space fields.
        h.Width = in.I32(info + 4);
        std::int32_t height = in.I32(info + 8);
        h.TopDown = height < 0;
        h.Height = h.TopDown ? -std::int64_t(height) : height;
        h.BitCount = in.U16(info + 14);
        h.Compression = in.U32(info + 16);
        h.ColorsUsed = in.U32(info + 32);
    } else {
        images::RaiseUnsupported(fileName, "has a bitmap header of " + std::to_string(size) + " bytes");
    }
    h.PaletteAt = info + size;

    if (h.Compression == BiRle8 || h.Compression == BiRle4)
        images::RaiseUnsupported(fileName, "is run-length compressed");
    if (h.Compression == BiBitFields || h.Compression == BiAlphaBitFields) {
        if (h.BitCount != 16 && h.BitCount != 32)
            images::RaiseDamaged(fileName, "it has bit fields at " + std::to_string(h.BitCount) + " bits per pixel");
        // The info header keeps its masks just behind it; the later headers
        // have them inside.
        h.RedMask = in.U32(info + 40);
        h.GreenMask = in.U32(info + 44);
        h.BlueMask = in.U32(info + 48);
        if (size == InfoHeaderSize)
            h.PaletteAt += h.Compression == BiAlphaBitFields ? 16 : 12;
    } else if (h.Compression != BiRgb) {
        images::RaiseUnsupported(fileName, "uses a compression (" + std::to_string(h.Compression) +
                                               ") other than none or bit fields");
    } else if (h.BitCount == 16) {
        h.RedMask = 0x7C00, h.GreenMask = 0x03E0, h.BlueMask = 0x001F;
    }
    switch (h.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        images::RaiseUnsupported(fileName, "has " + std::to_string(h.BitCount) + " bits per pixel");
    }
    images::CheckImageSize(h.Width, h.Height, fileName);
    return h;
}

std::vector<std::uint32_t> ReadPalette(const Reader& in, const Header& h)
{
    if (h.BitCount > 8)
        return {};
    std::uint32_t count = 1u << h.BitCount;
    // A shorter palette leaves the other indices black; a longer one than
    // the depth can address is read only as far as it can be used.
    if (h.ColorsUsed && h.ColorsUsed < count)
        count = h.ColorsUsed;
    std::vector<std::uint32_t> palette(std::size_t(1) << h.BitCount, 0);
    const unsigned char* p = in.Data(h.PaletteAt, std::uint64_t(count) * std::uint64_t(h.PaletteEntrySize));
    for (std::uint32_t i = 0; i < count; ++i, p += h.PaletteEntrySize)
        palette[i] = std::uint32_t(p[2]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[0]) << 16);
    return palette;
}

} // namespace

Image DecodeBmp(const std::string& bytes, const std::string& fileName)
{
    if (bytes.compare(0, 2, "BM") != 0)
        throw Exception("\"" + fileName + "\" is not a BMP picture.");
    Reader in(bytes, fileName);
    Header h = ReadHeader(in, fileName);
    std::vector<std::uint32_t> palette = ReadPalette(in, h);

    // Rows are padded to four bytes; the last row's padding may be missing
    // without losing a pixel, and some writers do leave it off.
    std::uint64_t stride = (std::uint64_t(h.Width) * std::uint64_t(h.BitCount) + 31) / 32 * 4;
    std::uint64_t lastRow = (std::uint64_t(h.Width) * std::uint64_t(h.BitCount) + 7) / 8;
    std::uint64_t pixelsAt = in.U32(10);
    if (pixelsAt == 0)
        pixelsAt = h.PaletteAt + palette.size() * std::uint64_t(h.PaletteEntrySize);
    const unsigned char* data = in.Data(pixelsAt, stride * std::uint64_t(h.Height - 1) + lastRow);

    Channel red(h.RedMask), green(h.GreenMask), blue(h.BlueMask);
    Image image(int(h.Width), int(h.Height));
    for (int row = 0; row < image.Height; ++row) {
        const unsigned char* p = data + stride * std::uint64_t(row);
        int y = h.TopDown ? row : image.Height - 1 - row;
        for (int x = 0; x < image.Width; ++x) {
            std::uint32_t color = 0;
            switch (h.BitCount) {
            case 1:
                color = palette[(p[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                color = palette[(p[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
                break;
            case 8:
                color = palette[p[x]];
                break;
            case 24: {
                const unsigned char* q = p + std::size_t(x) * 3;
                color = std::uint32_t(q[2]) | (std::uint32_t(q[1]) << 8) | (std::uint32_t(q[0]) << 16);
                break;
            }
            case 16:
            case 32: {
                std::uint32_t v = 0;
                if (h.BitCount == 16)
                    v = std::uint32_t(p[2 * x]) | (std::uint32_t(p[2 * x + 1]) << 8);
                else {
                    const unsigned char* q = p + std::size_t(x) * 4;
                    v = std::uint32_t(q[0]) | (std::uint32_t(q[1]) << 8) | (std::uint32_t(q[2]) << 16) |
                        (std::uint32_t(q[3]) << 24);
                }
                if (h.BitCount == 32 && h.Compression == BiRgb)
                    color = ((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16);
                else
                    color = red.Of(v) | (green.Of(v) << 8) | (blue.Of(v) << 16);
                break;
            }
            }
            image.SetPixel(x, y, color);
        }
    }
    return image;
}

} // namespace lorivex::platform
