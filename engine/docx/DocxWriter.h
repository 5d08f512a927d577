#pragma once
// Saves the engine's model as a .docx. What the model did not change is
// written back byte for byte: a part whose XML would come out as it did for
// the document as read keeps its original bytes, and parts, relationships
// and content types the engine never understood are copied unchanged.
#include <cstdint>
#include <map>
#include <string>

#include "engine/DocumentModel.h"

namespace lorivex::engine::docx {

struct WriteOptions {
    // Writes every part the model covers anew even when unchanged: for
    // checking that the writer's own output reads back the same.
    bool RewriteAll = false;
};

// Replaces FileName whole or not at all; raises lorivex::Exception naming
// the file on failure, leaving any old file as it was. Afterwards the
// model's parts and baseline are those of the saved file.
void WriteDocx(DocumentModel& model, const std::string& fileName, const WriteOptions& options = {});

// Part name -> hash of the XML the writer makes of the model as it stands.
std::map<std::string, uint64_t> Fingerprint(const DocumentModel& model);

} // namespace lorivex::engine::docx
