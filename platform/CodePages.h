#pragma once
// Text conversions at the boundaries: the system's text is 8-bit text in the
// ANSI code page, Word's is UTF-16, console output of other programs comes in
// the OEM code page.
#include <string>

namespace lorivex::platform {

unsigned AnsiCodePage(); // 1252, 1251, 932 ...
unsigned OemCodePage();  // on POSIX 65001 when the locale's charset is UTF-8

// Characters the ANSI code page cannot hold become '?', as on Windows.
std::string Utf16ToAnsi(const std::u16string& text);
std::u16string AnsiToUtf16(const std::string& text);
std::string OemToAnsi(const std::string& text);
std::string Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const std::string& text);
// True when every character of the text exists in the ANSI code page.
bool AnsiCanHold(const std::u16string& text);
// True when the byte opens a two-byte character of the ANSI code page (the
// East Asian code pages), so that code reading 8-bit text byte by byte does
// not take its second byte for an ASCII character.
bool IsAnsiLeadByte(char byte);

std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);

} // namespace lorivex::platform
