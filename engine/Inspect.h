#pragma once
// The engine's view of a document as JSON: paragraphs with outline level
// and style, fields, bookmarks, hyperlinks, styles in use, properties,
// headers and footers.
#include <ostream>

#include "services/word/Word.h"

namespace lorivex::engine {

void InspectDocument(const word::DocumentPtr& document, std::ostream& out);

} // namespace lorivex::engine
