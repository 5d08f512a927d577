#pragma once
// What the reader knows of RTF's control words beyond formatting: the
// destinations whose content is not text of the document, the words and
// symbols that stand for a character, the kinds of underline.
#include <optional>
#include <string>
#include <string_view>

namespace lorivex::engine::rtf {

// Groups opened by these words hold pictures, objects, document
// information, style definitions, headers, notes and the like: nothing of
// them belongs in pasted text.
bool IsSkippedDestination(std::string_view word);

// \par, \line, \tab, \emdash ... as the story's character for them.
std::optional<char16_t> WordCharacter(std::string_view word);
// \\ \{ \} \~ \- \_ and a backslash before a line end.
std::optional<char16_t> SymbolCharacter(char symbol);

// The underline value of the document format for \ulNAME words other than
// \ul itself and \ulnone.
std::optional<std::u16string> UnderlineKind(std::string_view word);

} // namespace lorivex::engine::rtf
