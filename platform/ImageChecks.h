#pragma once
// What the picture readers share: the messages a user sees when a symbol
// cannot be loaded, and the size check every reader makes before it
// allocates anything.
#include <cstdint>
#include <string>

namespace lorivex::platform::images {

[[noreturn]] void RaiseDamaged(const std::string& fileName, const std::string& problem);
[[noreturn]] void RaiseUnsupported(const std::string& fileName, const std::string& what);

// Raises unless both sides are positive and the picture stays within
// MaxImageSide and MaxImagePixels.
void CheckImageSize(std::int64_t width, std::int64_t height, const std::string& fileName);

} // namespace lorivex::platform::images
