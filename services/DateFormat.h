#pragma once
// Dates and times written out by the pattern language authors use in their
// documents (the compile time stamp) and that the locale's formats use too.
#include <string>

#include "platform/Clock.h"
#include "platform/Locale.h"

namespace lorivex {

// Never throws for any pattern; time is linear in the pattern's length.
std::string FormatDateTime(const std::string& pattern, const platform::DateTime& t,
                           const platform::FormatSettings& fs);
// With the user's settings.
std::string FormatDateTime(const std::string& pattern, const platform::DateTime& t);

} // namespace lorivex
