#pragma once
// The style sheet back into word/styles.xml: every definition as its kept
// XML, so that styles brought in by the Organizer or with copied text go
// along, and the original root element's namespaces stay.
#include <string>

#include "engine/StyleSheet.h"

namespace lorivex::engine::docx {

// Original is the part as read, or null for a new document.
std::string StylesXml(const std::string* original, const StyleSheet& styles);

} // namespace lorivex::engine::docx
