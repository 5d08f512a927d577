#pragma once
// Text crosses into and out of Word here: the system's ANSI text on one side,
// Word's UTF-16 on the other.
#include <string>

#include "platform/CodePages.h"

namespace lorivex::word {

inline std::u16string ToWord(const std::string& ansi)
{
    return platform::AnsiToUtf16(ansi);
}

inline std::string FromWord(const std::u16string& text)
{
    return platform::Utf16ToAnsi(text);
}

} // namespace lorivex::word
