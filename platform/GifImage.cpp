// GIF pictures through giflib, read from memory so that no file name ever
// passes through the library's own file handling (which knows nothing of
// the ANSI paths the rest of the system uses).
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <set>

#include "base/Exception.h"
#include "platform/ImageChecks.h"
#include "platform/Images.h"

namespace lorivex::platform {

namespace {

struct MemoryReader {
    const std::string& Bytes;
    std::size_t Position = 0;
    // giflib names a cut file by whatever it was reading when the bytes ran
    // out ("no screen descriptor"); the user is better told it is cut short.
    bool RanOut = false;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count)
{
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    if (count <= 0)
        return 0;
    std::size_t n = std::min(std::size_t(count), reader->Bytes.size() - reader->Position);
    if (n < std::size_t(count))
        reader->RanOut = true;
    std::memcpy(buffer, reader->Bytes.data() + reader->Position, n);
    reader->Position += n;
    return int(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void RaiseGifError(int error, bool ranOut, const std::string& fileName)
{
    if (ranOut)
        images::RaiseDamaged(fileName, "it ends too soon");
    switch (error) {
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_EOF_TOO_SOON:
        images::RaiseDamaged(fileName, "it ends too soon");
    case D_GIF_ERR_IMAGE_DEFECT:
        images::RaiseDamaged(fileName, "its picture data is defective");
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        throw Exception("Not enough memory to load the picture \"" + fileName + "\".");
    default: {
        const char* text = GifErrorString(error);
        images::RaiseDamaged(fileName, std::string("the GIF reader reports \"") + (text ? text : "unknown error") +
                                           "\"");
    }
    }
}

[[noreturn]] void RaiseGifError(GifFileType* gif, const std::string& fileName)
{
    RaiseGifError(gif->Error, static_cast<MemoryReader*>(gif->UserData)->RanOut, fileName);
}

std::uint32_t ColorOf(const GifColorType& c)
{
    return std::uint32_t(c.Red) | (std::uint32_t(c.Green) << 8) | (std::uint32_t(c.Blue) << 16);
}

// Frame indices in display order; an interlaced frame arrives in four
// passes of every 8th, every 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<GifPixelType> ReadFrameIndices(GifFileType* gif, int width, int height, const std::string& fileName)
{
    std::vector<GifPixelType> indices(std::size_t(width) * std::size_t(height));
    auto readRow = [&](int y) {
        if (DGifGetLine(gif, indices.data() + std::size_t(y) * std::size_t(width), width) == GIF_ERROR)
            RaiseGifError(gif, fileName);
    };
    if (gif->Image.Interlace) {
        static constexpr std::array<int, 4> start{0, 4, 2, 1}, step{8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < height; y += step[pass])
                readRow(y);
    } else {
        for (int y = 0; y < height; ++y)
            readRow(y);
    }
    return indices;
}

// A colour no visible pixel has; magenta first, the colour glyph painters
// have always kept for "not drawn".
std::uint32_t UnusedColor(const std::set<std::uint32_t>& used)
{
    std::uint32_t color = 0xFF00FF;
    while (used.count(color))
        color = (color - 1) & 0xFFFFFF;
    return color;
}

Image RenderFirstFrame(GifFileType* gif, int transparentIndex, const std::string& fileName)
{
    const GifImageDesc& frame = gif->Image;
    images::CheckImageSize(frame.Width, frame.Height, fileName);
    if (frame.Left < 0 || frame.Top < 0)
        images::RaiseDamaged(fileName, "its first frame lies outside the picture");
    // A logical screen smaller than its frame (some writers leave it 0 x 0)
    // grows to hold the frame rather than cutting it.
    std::int64_t width = std::max<std::int64_t>(gif->SWidth, std::int64_t(frame.Left) + frame.Width);
    std::int64_t height = std::max<std::int64_t>(gif->SHeight, std::int64_t(frame.Top) + frame.Height);
    images::CheckImageSize(width, height, fileName);

    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || !map->Colors || map->ColorCount <= 0)
        images::RaiseDamaged(fileName, "it has no colour table");

    std::vector<GifPixelType> indices = ReadFrameIndices(gif, frame.Width, frame.Height, fileName);
    // Indices beyond the table are shown black, as browsers do.
    auto colorAt = [&](int index) { return index < map->ColorCount ? ColorOf(map->Colors[index]) : 0u; };

    std::set<std::uint32_t> opaque;
    std::array<bool, 256> seen{};
    for (GifPixelType index : indices)
        if (int(index) != transparentIndex && !seen[index]) {
            seen[index] = true;
            opaque.insert(colorAt(index));
        }

    bool coversPicture = frame.Left == 0 && frame.Top == 0 && frame.Width == width && frame.Height == height;
    std::uint32_t fill = 0;
    std::optional<std::uint32_t> transparent;
    if (transparentIndex >= 0) {
        // What the frame does not cover is see-through too, as browsers show it.
        std::uint32_t color = transparentIndex < map->ColorCount ? colorAt(transparentIndex) : 0xFF00FF;
        transparent = opaque.count(color) ? UnusedColor(opaque) : color;
        fill = *transparent;
    } else if (!coversPicture && gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        fill = ColorOf(gif->SColorMap->Colors[gif->SBackGroundColor]);
    }

    Image image(int(width), int(height), fill);
    image.TransparentColor = transparent;
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x) {
            int index = indices[std::size_t(y) * std::size_t(frame.Width) + std::size_t(x)];
            image.SetPixel(frame.Left + x, frame.Top + y, index == transparentIndex ? fill : colorAt(index));
        }
    return image;
}

} // namespace

Image DecodeGif(const std::string& bytes, const std::string& fileName)
{
    MemoryReader reader{bytes};
    int error = 0;
    GifHandle gif(DGifOpen(&reader, ReadFromMemory, &error));
    if (!gif) {
        if (error == D_GIF_ERR_NOT_GIF_FILE)
            throw Exception("\"" + fileName + "\" is not a GIF picture.");
        RaiseGifError(error, reader.RanOut, fileName);
    }

    // Only the first frame is wanted: read up to it and stop, so that later
    // frames (damaged or not) cost nothing.
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            RaiseGifError(gif.get(), fileName);
        switch (type) {
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
                RaiseGifError(gif.get(), fileName);
            // A graphics control block of the wrong length is ignored rather
            // than failing a picture that is otherwise fine.
            GraphicsControlBlock control;
            if (code == GRAPHICS_EXT_FUNC_CODE && block &&
                DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                transparentIndex = control.TransparentColor;
            while (block)
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
                    RaiseGifError(gif.get(), fileName);
            break;
        }
        case IMAGE_DESC_RECORD_TYPE:
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
                RaiseGifError(gif.get(), fileName);
            return RenderFirstFrame(gif.get(), transparentIndex, fileName);
        case TERMINATE_RECORD_TYPE:
            images::RaiseDamaged(fileName, "it holds no picture");
        default:
            images::RaiseDamaged(fileName, "it holds an unknown record");
        }
    }
}

} // namespace lorivex::platform
