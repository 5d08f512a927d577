#pragma once
// word/styles.xml into the document's style sheet.
#include <pugixml.hpp>

#include "engine/StyleSheet.h"

namespace lorivex::engine::docx {

void ReadStyles(const pugi::xml_node& styles, StyleSheet& sheet);

} // namespace lorivex::engine::docx
