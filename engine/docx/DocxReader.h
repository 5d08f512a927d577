#pragma once
// Opens a .docx into the engine's model.
#include <memory>
#include <string>

#include "engine/DocumentModel.h"

namespace lorivex::engine::docx {

// Raises lorivex::Exception naming the file and the problem for anything
// that is not a readable word-processing package.
std::unique_ptr<DocumentModel> ReadDocx(const std::string& fileName);
// The same for a package already in memory; FileName names it in messages.
std::unique_ptr<DocumentModel> ReadDocx(std::shared_ptr<const std::string> package, const std::string& fileName);

} // namespace lorivex::engine::docx
