#pragma once
// The two file formats the symbol folder holds, written from a picture.
#include <string>

#include "platform/Images.h"

namespace lorivex::symbols {

// One frame, one global colour table of the picture's own colours (at most
// 256), and a graphics control block naming the transparent colour when the
// picture has one, so that help pages show the page behind the symbol.
std::string EncodeGif(const platform::Image& picture);

// 24 bits per pixel, bottom-up, as every program that reads BMP expects.
// BMP knows no transparency: the picture's transparent colour is written as
// it is.
std::string EncodeBmp(const platform::Image& picture);

} // namespace lorivex::symbols
