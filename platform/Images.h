#pragma once
// Pictures read from BMP and GIF files into plain pixels, the same way on
// every platform, so that a symbol looks alike in the add-in and in the
// portable build. The form toolkit turns an Image into its own bitmap; this
// layer knows nothing of it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lorivex::platform {

struct Image {
    int Width = 0, Height = 0;
    // 0x00BBGGRR, row by row, the top row first.
    std::vector<std::uint32_t> Pixels;
    // The colour that stands for "not drawn", when the picture has one; no
    // visible pixel has it.
    std::optional<std::uint32_t> TransparentColor;

    Image() = default;
    Image(int width, int height, std::uint32_t fill = 0)
        : Width(width), Height(height), Pixels(std::size_t(width) * std::size_t(height), fill) {}
    std::uint32_t Pixel(int x, int y) const { return Pixels.at(std::size_t(y) * std::size_t(Width) + std::size_t(x)); }
    void SetPixel(int x, int y, std::uint32_t color)
    {
        Pixels.at(std::size_t(y) * std::size_t(Width) + std::size_t(x)) = color;
    }
};

// Pictures beyond these are refused: nothing the system shows needs more,
// and a damaged header must not make us allocate gigabytes.
inline constexpr int MaxImageSide = 16384;
inline constexpr std::int64_t MaxImagePixels = std::int64_t(1) << 24;

// Reads a BMP or GIF file, told apart by its first bytes. A GIF gives its
// first frame only. Raises Exception with a message naming the file when it
// is missing, a folder, no such picture, damaged or cut short.
Image ReadImageFile(const std::string& path);

// The same for bytes already in memory; FileName only names them in messages.
Image DecodeImage(const std::string& bytes, const std::string& fileName);
Image DecodeGif(const std::string& bytes, const std::string& fileName);
Image DecodeBmp(const std::string& bytes, const std::string& fileName);

// A device-independent bitmap as the clipboard holds it (a BMP file without
// its file header): 24 bits per pixel, rows bottom-up. DecodeDib reads any
// such block DecodeBmp can read as a file.
std::string EncodeDib(const Image& image);
Image DecodeDib(const std::string& bytes, const std::string& name);

} // namespace lorivex::platform
