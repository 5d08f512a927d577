#pragma once
// The manual as a Word document: built-in heading styles 1 to 4 for the
// headings, Normal paragraphs, bullet and numbered lists, code in a Courier
// New paragraph style, bold, italic and code runs, and the manual's custom
// document properties.
#include <string>

#include "ManualSource.h"

namespace lorivex::manual {

// The body (the children of w:body) for the manual's blocks.
std::string BodyXml(const Manual& manual);

// Writes the whole package. Variables must have their placeholders
// (AssignPlaceholders) so that the document shows where they go.
void WriteDocx(const Manual& manual, const std::string& fileName);

} // namespace lorivex::manual
