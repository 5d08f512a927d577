#pragma once
// Base64, the one alphabet of the packages and the clipboard: bytes in, text
// out, and back. Decoding skips what is no letter of the alphabet (line
// breaks, blanks, padding), as the readers of such text do.
#include <string>
#include <string_view>

namespace lorivex {

std::string Base64Encode(std::string_view bytes);
std::string Base64Decode(std::string_view text);

// Text as Word keeps a field's data: its UTF-16LE bytes in base64.
std::string Base64EncodeUtf16(std::u16string_view text);
std::u16string Base64DecodeUtf16(std::string_view text);

} // namespace lorivex
