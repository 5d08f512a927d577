#pragma once
// The document's properties back into docProps/core.xml, app.xml and
// custom.xml. Core and app parts are the originals with the built-in values
// put in (unknown elements stay); the custom part is written whole.
#include <optional>
#include <string>

#include "engine/Properties.h"

namespace lorivex::engine::docx {

// Each gives the part's XML, or nothing when the package needs no such part
// (none was read and nothing is set). Original is null when none was read.
std::optional<std::string> CoreXml(const std::string* original, const PropertySet& properties);
std::optional<std::string> AppXml(const std::string* original, const PropertySet& properties);
std::optional<std::string> CustomXml(const std::string* original, const PropertySet& properties);

} // namespace lorivex::engine::docx
