#pragma once
// Character and paragraph formatting back into w:rPr and w:pPr: what the
// engine models, merged with what it kept as raw XML, in schema order.
#include <string>

#include "engine/Formats.h"

namespace lorivex::engine::docx {

// The whole w:rPr element; empty for no formatting at all.
std::string RunProperties(const CharFormat& format);
// The whole w:pPr element with the mark's run properties and the section
// break (either may be empty); empty when there is nothing to say.
std::string ParagraphProperties(const ParagraphFormat& format, const std::string& markRunProperties,
                                const std::string& sectionProperties);

} // namespace lorivex::engine::docx
