#include "examples/SymbolFiles.h"

#include <gif_lib.h>

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace lorivex::symbols {

namespace {

int AppendToString(GifFileType* gif, const GifByteType* data, int count)
{
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size_t(count));
    return count;
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int ignored = 0;
        EGifCloseFile(gif, &ignored);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

void Check(int result, GifFileType* gif, const char* step)
{
    if (result == GIF_ERROR)
        throw std::runtime_error(std::string(step) + ": " + GifErrorString(gif->Error));
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

} // namespace

std::string EncodeGif(const platform::Image& picture)
{
    std::map<std::uint32_t, int> indexOf;
    if (picture.TransparentColor)
        indexOf[*picture.TransparentColor] = 0;
    for (std::uint32_t color : picture.Pixels)
        indexOf.emplace(color, 0);
    if (indexOf.size() > 256)
        throw std::runtime_error("a symbol has more than 256 colours");

    // giflib wants a power-of-two table; the unused tail stays black.
    int tableSize = 2;
    while (tableSize < int(indexOf.size()))
        tableSize *= 2;
    std::vector<GifColorType> table(size_t(tableSize), GifColorType{0, 0, 0});
    int next = 0;
    for (auto& [color, index] : indexOf) {
        index = next++;
        table[size_t(index)] = GifColorType{GifByteType(color & 0xFF), GifByteType((color >> 8) & 0xFF),
                                            GifByteType((color >> 16) & 0xFF)};
    }
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(tableSize, table.data()));
    if (!map)
        throw std::runtime_error("cannot make a GIF colour table");

    std::string bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, AppendToString, &error));
    if (!gif)
        throw std::runtime_error(std::string("cannot start a GIF: ") + GifErrorString(error));
    EGifSetGifVersion(gif.get(), true);
    int transparentIndex = picture.TransparentColor ? indexOf.at(*picture.TransparentColor) : 0;
    Check(EGifPutScreenDesc(gif.get(), picture.Width, picture.Height, 8, transparentIndex, map.get()), gif.get(),
          "screen descriptor");
    if (picture.TransparentColor) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparentIndex};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        Check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, extension), gif.get(), "control block");
    }
    Check(EGifPutImageDesc(gif.get(), 0, 0, picture.Width, picture.Height, false, nullptr), gif.get(),
          "image descriptor");
    std::vector<GifPixelType> row(size_t(picture.Width));
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x)
            row[size_t(x)] = GifPixelType(indexOf.at(picture.Pixel(x, y)));
        Check(EGifPutLine(gif.get(), row.data(), picture.Width), gif.get(), "pixels");
    }
    int closeError = 0;
    if (EGifCloseFile(gif.release(), &closeError) == GIF_ERROR)
        throw std::runtime_error(std::string("cannot finish a GIF: ") + GifErrorString(closeError));
    return bytes;
}

std::string EncodeBmp(const platform::Image& picture)
{
    const std::uint32_t stride = (std::uint32_t(picture.Width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelsAt = 14 + 40, dataSize = stride * std::uint32_t(picture.Height);
    std::string out;
    out += "BM";
    PutLittleEndian(out, pixelsAt + dataSize, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, pixelsAt, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, std::uint32_t(picture.Width), 4);
    PutLittleEndian(out, std::uint32_t(picture.Height), 4);
    PutLittleEndian(out, 1, 2);  // planes
    PutLittleEndian(out, 24, 2); // bits per pixel
    PutLittleEndian(out, 0, 4);  // no compression
    PutLittleEndian(out, dataSize, 4);
    PutLittleEndian(out, 3780, 4); // 96 dots per inch, in dots per metre
    PutLittleEndian(out, 3780, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    for (int y = picture.Height - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < picture.Width; ++x) {
            std::uint32_t color = picture.Pixel(x, y);
            out.push_back(char((color >> 16) & 0xFF));
            out.push_back(char((color >> 8) & 0xFF));
            out.push_back(char(color & 0xFF));
        }
        out.resize(rowStart + stride, '\0');
    }
    return out;
}

} // namespace lorivex::symbols
