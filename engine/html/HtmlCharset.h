#pragma once
// The charset name a page declares for the code page its bytes are in.
#include <string>

namespace lorivex::engine::html {

// The name browsers know for a Windows code page (1252 gives
// "windows-1252", 932 "shift_jis"); "windows-N" for one not in the table.
std::string CharsetOfCodePage(unsigned codePage);

} // namespace lorivex::engine::html
