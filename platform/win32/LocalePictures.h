#pragma once
// Windows writes date and time formats as pictures (M/d/yyyy, h:mm:ss tt);
// the rest of the system reads the pattern language of services/DateFormat.h
// (m/d/yyyy, h:nn:ss ampm). Separate from Locale.cpp so that tests can feed
// it the pictures of locales the test machine does not use.
#include <string>
#include <string_view>

namespace lorivex::platform::win32 {

std::wstring PictureToPattern(std::wstring_view picture);

} // namespace lorivex::platform::win32
