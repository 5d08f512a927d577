#pragma once
// The package's wiring: which part a relationship id of a part points to,
// and the content type of each part.
#include <map>
#include <string>

#include "engine/docx/ZipPackage.h"

namespace lorivex::engine::docx {

struct Relationship {
    std::string Type;    // full type URI
    std::string Target;  // resolved part name, or the address when external
    bool External = false;
};

using Relationships = std::map<std::string, Relationship>; // by id

// The relationships of a part ("word/document.xml" reads
// "word/_rels/document.xml.rels"); empty when it has none.
Relationships ReadRelationships(const ZipPackage& package, const std::string& partName);
// The part a relationship of type ending in TypeSuffix points to; empty when none.
std::string FindByType(const Relationships& relationships, const std::string& typeSuffix);

// Resolves Target relative to the folder of the part it was found in.
std::string ResolvePartName(const std::string& sourcePart, const std::string& target);

class ContentTypes {
public:
    void Read(const ZipPackage& package);
    std::string Of(const std::string& partName) const;

private:
    std::map<std::string, std::string> defaults_;  // extension, lower case
    std::map<std::string, std::string> overrides_; // part name without "/"
};

} // namespace lorivex::engine::docx
