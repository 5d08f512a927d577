#pragma once
// docProps/core.xml, app.xml and custom.xml into the document's properties.
#include <optional>

#include "engine/Properties.h"
#include "engine/docx/Relationships.h"

namespace lorivex::engine::docx {

void ReadProperties(const ZipPackage& package, const Relationships& packageRels, PropertySet& properties);

// "2024-05-01T09:30:00Z" and its shorter forms; nullopt when unreadable.
std::optional<platform::DateTime> ParseW3cDate(const std::u16string& text);

} // namespace lorivex::engine::docx
