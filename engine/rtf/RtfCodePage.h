#pragma once
// The 8-bit text of an RTF document (its \'hh bytes and plain characters)
// as UTF-16, in the code page the document names with \ansicpg.
#include <string>

namespace lorivex::engine::rtf {

inline constexpr unsigned WesternCodePage = 1252;

// The system's ANSI code page is decoded by the platform (double-byte code
// pages included); any other code page is read as Western European, which
// is what RTF without \ansicpg means and what most writers use.
std::u16string DecodeBytes(const std::string& bytes, unsigned codePage);

} // namespace lorivex::engine::rtf
