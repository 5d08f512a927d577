#pragma once
// Inline objects back into a run: pictures and other objects as they were
// read, with their picture relationship pointing at the right part of the
// package they are written into, and pictures added through the engine as
// the inline drawing Word writes.
#include <string>

#include "engine/Records.h"
#include "engine/docx/PartRelationships.h"
#include "engine/docx/WriteState.h"

namespace lorivex::engine::docx {

// The run content for the object; empty when there is nothing to write.
std::string ObjectXml(const ObjectRecord& object, WriteState& state, PartRelationships& rels);

} // namespace lorivex::engine::docx
