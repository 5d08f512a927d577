#pragma once
// All languages the engine knows, and finding one by the names a person
// types or by a file's extension.
#include <memory>
#include <string_view>
#include <vector>

#include "highlight/Highlighter.h"

namespace lorivex {

using THighlighterList = std::vector<std::unique_ptr<THighlighter>>;

// One highlighter of each language, the XML one set not to parse braces.
THighlighterList CreateHighlighters();

// By display name ("Object Pascal") or short name ("pas"), ignoring case;
// nullptr when none has it.
THighlighter* FindHighlighter(const THighlighterList& highlighters, std::string_view name);
// By the extension of a file name or path ("Unit1.PAS"); nullptr when
// none claims it.
THighlighter* FindHighlighterForFile(const THighlighterList& highlighters, std::string_view fileName);

} // namespace lorivex
