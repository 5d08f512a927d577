#pragma once
// What a picture file says about itself in its first bytes: its format and
// its size in pixels. Enough to embed a picture without decoding it.
#include <string>

namespace lorivex::engine {

struct PictureInfo {
    std::string ContentType; // "image/png", "image/gif", "image/jpeg", "image/bmp"
    std::string Extension;   // ".png" ...
    long Width = 0, Height = 0;
};

// Raises word::EWordError naming the file when the bytes are no BMP, GIF,
// PNG or JPEG picture, or when the header is cut short.
PictureInfo ReadPictureHeader(const std::string& bytes, const std::string& fileName);

// The file extension under which a picture of that content type is written
// ("image/jpeg" gives ".jpg"); ".bin" for one the engine does not know.
std::string PictureExtension(const std::string& contentType);

} // namespace lorivex::engine
