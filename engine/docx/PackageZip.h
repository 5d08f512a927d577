#pragma once
// The bytes of a zip package holding the given parts, in the given order.
#include <string>
#include <utility>
#include <vector>

namespace lorivex::engine::docx {

// Raises lorivex::Exception naming FileName (the file being saved) when
// the package cannot be built.
std::string ZipParts(const std::vector<std::pair<std::string, const std::string*>>& parts,
                     const std::string& fileName);

} // namespace lorivex::engine::docx
