#pragma once
// Letter case and order of text the way Windows treats it: every letter of
// the ANSI code page has its upper and lower case (not only A to Z), and
// sorting "without regard to case" follows the user's language. Names,
// paths, keys and list items of the whole system compare through these.
#include <string>
#include <string_view>

namespace lorivex::platform {

// Upper and lower case of every letter the ANSI code page holds; the second
// byte of a two-byte character is never taken for a letter.
std::string AnsiUpperCase(std::string text);
std::string AnsiLowerCase(std::string text);
// Compares without regard to case, then byte by byte: <0, 0, >0. The order
// of names that must not depend on the user's language.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

// Compares as the user's language sorts, without regard to case ("Äpfel"
// before "Zebra" in German and English): <0, 0, >0.
int LocaleCompareText(const std::string& a, const std::string& b);

// The same for UTF-16 text at the Word boundary.
char16_t UpperChar16(char16_t c);
bool SameTextW(std::u16string_view a, std::u16string_view b);

} // namespace lorivex::platform
