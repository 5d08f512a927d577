#include "engine/PictureHeader.h"

#include <cstdint>
#include <cstdlib>

#include "services/word/Dispatch.h"

namespace lorivex::engine {

namespace {

uint32_t Byte(const std::string& bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

uint32_t Little16(const std::string& b, size_t at) { return Byte(b, at) | Byte(b, at + 1) << 8; }
uint32_t Little32(const std::string& b, size_t at) { return Little16(b, at) | Little16(b, at + 2) << 16; }
uint32_t Big16(const std::string& b, size_t at) { return Byte(b, at) << 8 | Byte(b, at + 1); }
uint32_t Big32(const std::string& b, size_t at) { return Big16(b, at) << 16 | Big16(b, at + 2); }

[[noreturn]] void Corrupt(const std::string& fileName, const std::string& what)
{
    throw word::EWordError("The picture \"" + fileName + "\" cannot be inserted: " + what + ".");
}

PictureInfo Bmp(const std::string& b, const std::string& fileName)
{
    if (b.size() < 26)
        Corrupt(fileName, "the BMP header is incomplete");
    PictureInfo info{"image/bmp", ".bmp"};
    uint32_t headerSize = Little32(b, 14);
    if (headerSize == 12) { // the old OS/2 header has 16-bit sizes
        info.Width = long(Little16(b, 18));
        info.Height = long(Little16(b, 20));
    } else {
        info.Width = long(int32_t(Little32(b, 18)));
        // A negative height marks a top-down bitmap, not a smaller one.
        info.Height = std::labs(long(int32_t(Little32(b, 22))));
    }
    return info;
}

PictureInfo Png(const std::string& b, const std::string& fileName)
{
    if (b.size() < 24 || b.compare(12, 4, "IHDR") != 0)
        Corrupt(fileName, "the PNG header is incomplete");
    return {"image/png", ".png", long(Big32(b, 16)), long(Big32(b, 20))};
}

PictureInfo Gif(const std::string& b, const std::string& fileName)
{
    if (b.size() < 10)
        Corrupt(fileName, "the GIF header is incomplete");
    return {"image/gif", ".gif", long(Little16(b, 6)), long(Little16(b, 8))};
}

bool IsFrameHeader(uint32_t marker)
{
    // SOF0 to SOF15, except the three markers of that range that are not
    // frames (DHT, JPG, DAC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

PictureInfo Jpeg(const std::string& b, const std::string& fileName)
{
    size_t at = 2;
    while (at + 4 <= b.size()) {
        if (Byte(b, at) != 0xFF)
            Corrupt(fileName, "the JPEG data is damaged");
        uint32_t marker = Byte(b, at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        uint32_t length = Big16(b, at + 2);
        if (IsFrameHeader(marker)) {
            if (at + 9 > b.size())
                break;
            return {"image/jpeg", ".jpg", long(Big16(b, at + 7)), long(Big16(b, at + 5))};
        }
        if (marker == 0xD9 || marker == 0xDA || length < 2)
            break; // the image data starts, or ends, before any frame header
        at += 2 + length;
    }
    Corrupt(fileName, "the JPEG data has no frame header");
}

} // namespace

PictureInfo ReadPictureHeader(const std::string& bytes, const std::string& fileName)
{
    PictureInfo info;
    if (bytes.starts_with("BM"))
        info = Bmp(bytes, fileName);
    else if (bytes.starts_with("\x89PNG\r\n\x1a\n"))
        info = Png(bytes, fileName);
    else if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))
        info = Gif(bytes, fileName);
    else if (bytes.starts_with("\xFF\xD8"))
        info = Jpeg(bytes, fileName);
    else
        Corrupt(fileName, "it is no BMP, GIF, PNG or JPEG picture");
    // Sizes beyond what any screen shows mean a damaged header.
    if (info.Width <= 0 || info.Height <= 0 || info.Width > 65535 || info.Height > 65535)
        Corrupt(fileName, "its header gives an impossible size");
    return info;
}

std::string PictureExtension(const std::string& contentType)
{
    if (contentType == "image/png") return ".png";
    if (contentType == "image/gif") return ".gif";
    if (contentType == "image/jpeg" || contentType == "image/jpg") return ".jpg";
    if (contentType == "image/bmp" || contentType == "image/x-bmp") return ".bmp";
    if (contentType == "image/x-emf") return ".emf";
    if (contentType == "image/x-wmf") return ".wmf";
    if (contentType == "image/tiff") return ".tif";
    return ".bin";
}

} // namespace lorivex::engine
