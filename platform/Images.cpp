#include "platform/Images.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/Exception.h"
#include "platform/CodePages.h"
#include "platform/ImageChecks.h"

namespace fs = std::filesystem;

namespace lorivex::platform {

namespace images {

void RaiseDamaged(const std::string& fileName, const std::string& problem)
{
    throw Exception("The picture \"" + fileName + "\" is damaged: " + problem + ".");
}

void RaiseUnsupported(const std::string& fileName, const std::string& what)
{
    throw Exception("The picture \"" + fileName + "\" " + what + ", which cannot be loaded.");
}

void CheckImageSize(std::int64_t width, std::int64_t height, const std::string& fileName)
{
    if (width <= 0 || height <= 0)
        RaiseDamaged(fileName, "its size is " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    if (width > MaxImageSide || height > MaxImageSide || width * height > MaxImagePixels)
        throw Exception("The picture \"" + fileName + "\" is too large (" + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels).");
}

} // namespace images

namespace {

// A picture file is read whole; a BMP at the largest size we accept is
// 64 MB, and anything beyond that is no picture we would show.
constexpr std::uintmax_t MaxFileBytes = std::uintmax_t(MaxImagePixels) * 4 + 65536;

std::string ReadPictureBytes(const std::string& path)
{
    fs::path file(AnsiToUtf16(path));
    std::error_code error;
    if (fs::is_directory(file, error))
        throw Exception("\"" + path + "\" is a folder, not a picture file.");
    std::uintmax_t size = fs::file_size(file, error);
    if (error)
        throw Exception("Cannot open the picture \"" + path + "\".");
    if (size > MaxFileBytes)
        throw Exception("The picture \"" + path + "\" is too large (" + std::to_string(size) + " bytes).");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw Exception("Cannot open the picture \"" + path + "\".");
    std::string bytes(size_t(size), '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    // A file that shrank between the size and the read is read as far as it went.
    bytes.resize(size_t(in.gcount()));
    if (in.bad())
        throw Exception("Cannot read the picture \"" + path + "\".");
    return bytes;
}

bool StartsWith(const std::string& bytes, const char* magic)
{
    return bytes.compare(0, std::char_traits<char>::length(magic), magic) == 0;
}

} // namespace

Image ReadImageFile(const std::string& path)
{
    return DecodeImage(ReadPictureBytes(path), path);
}

Image DecodeImage(const std::string& bytes, const std::string& fileName)
{
    // Told apart by content, not by name, as the word processor does when the
    // same file is inserted into a document.
    if (StartsWith(bytes, "GIF8"))
        return DecodeGif(bytes, fileName);
    if (StartsWith(bytes, "BM"))
        return DecodeBmp(bytes, fileName);
    throw Exception("\"" + fileName + "\" is not a BMP or GIF picture.");
}

} // namespace lorivex::platform
