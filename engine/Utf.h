#pragma once
// UTF-8 <-> UTF-16 for the engine's own boundaries (package XML, the inspect
// output). The engine's text is UTF-16 throughout and never touches ANSI.
#include <string>
#include <string_view>

#include "platform/CaseFolding.h"

namespace lorivex::engine {

// Names compare as the platform compares them (every letter folded).
using platform::SameTextW;

// Malformed sequences become U+FFFD rather than failing: a damaged character
// in an author's document must not stop the whole document from loading.
std::u16string Utf8ToUtf16(std::string_view text);
// The same, added to the end of out: a story's text grows without a copy
// per run.
void AppendUtf8AsUtf16(std::u16string& out, std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Case folding of ASCII letters only, the way Word compares bookmark and
// property names.
std::u16string LowerW(std::u16string_view text);

} // namespace lorivex::engine
