#pragma once
// The languages of the paste-code engine as the command line names them.
#include <string>

#include "highlight/Highlighters.h"

namespace lorivex::cli {

// One line a language: display name, short name and the extensions it claims.
std::string LanguageTable(const THighlighterList& highlighters);
// The short names, comma-separated, for messages.
std::string ShortNames(const THighlighterList& highlighters);

} // namespace lorivex::cli
