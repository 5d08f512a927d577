#pragma once
// RTF as formatted text for the engine: what a paste of "Rich Text Format"
// puts into a document. Characters keep bold, italic, underline, colour,
// font and size; \par becomes a paragraph mark. Paragraph formatting,
// pictures, tables and everything in destinations the engine does not
// model are left out. Damaged RTF gives what could be read before the
// damage, never a failure.
#include <string_view>

#include "engine/DocumentModel.h"
#include "engine/Fragment.h"

namespace lorivex::engine::rtf {

// The character formats are interned into Formats, which becomes the
// fragment's source: inserting it into that document needs no mapping.
Fragment ReadRtf(std::string_view rtf, DocumentModel& formats);

} // namespace lorivex::engine::rtf
