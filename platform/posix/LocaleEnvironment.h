#pragma once
// How the POSIX side of the seam learns the user's locale: from the same
// environment variables setlocale(category, "") reads, without calling it, so
// that nothing here changes the process's global locale under other threads.
#include <string>
#include <string_view>

namespace lorivex::platform::posix {

// The locale name for a category ("LC_CTYPE", "LC_TIME"): LC_ALL, else the
// category's variable, else LANG, else "C".
std::string LocaleNameFor(const char* categoryVariable);

// Text in a charset the C library names (a locale's CODESET) as UTF-8;
// sequences the charset does not define become U+FFFD.
std::string CharsetToUtf8(std::string_view text, const std::string& charset);

} // namespace lorivex::platform::posix
