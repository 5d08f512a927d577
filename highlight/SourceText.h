#pragma once
// Source files as lines of UTF-16 text, for the command line: the encoding
// is told by a byte order mark (UTF-8, UTF-16 LE or BE), else by whether the
// bytes are valid UTF-8, else they are text in the ANSI code page. Binary
// data and bytes that are text in none of these are refused with a message
// naming the file, rather than shown as garbage.
#include <string>
#include <string_view>
#include <vector>

namespace lorivex {

// CR LF, LF and CR each end a line; a break at the very end starts no
// further line, so empty text has no lines at all.
std::vector<std::u16string> SplitLines(std::u16string_view text);

// NAME is the file's name for messages.
std::vector<std::u16string> DecodeSourceText(std::string_view bytes, const std::string& name);

// "-" reads standard input.
std::vector<std::u16string> ReadSourceFile(const std::string& path);

} // namespace lorivex
