#pragma once
// XML of the package parts. Producers bind the WordprocessingML namespaces
// to any prefix they like (or make them the default namespace), and strict
// documents use other namespace names than transitional ones; after Parse
// every known namespace carries one canonical prefix (w:, r:, wp:, a: ...),
// so the readers look elements up by those names.
#include <pugixml.hpp>

#include <string>

namespace lorivex::engine::docx {

inline constexpr int MaxElementDepth = 1000;

// Raises lorivex::Exception naming the file and the part when the bytes are
// not well-formed XML or nest absurdly deep. UTF-8 with or without BOM.
void Parse(pugi::xml_document& document, const std::string& bytes, const std::string& partName,
           const std::string& fileName);
// The same without a copy of the bytes: the document's names and text stay
// in them, so they must outlive the document and are changed by it.
void ParseInPlace(pugi::xml_document& document, std::string& bytes, const std::string& partName,
                  const std::string& fileName);

// The canonical prefix of a known namespace name; null for any other.
const char* CanonicalPrefix(const std::string& uri);

// Attribute by canonical name, falling back to the unprefixed name that
// lenient producers write.
std::u16string Attr(const pugi::xml_node& node, const char* name);
bool HasAttr(const pugi::xml_node& node, const char* name);
// An OOXML on/off property: present without a value means on.
bool OnOff(const pugi::xml_node& node, bool absent = false);
std::u16string Text(const pugi::xml_node& node); // the element's text content
// The element serialized as it stands (canonical prefixes).
std::string Raw(const pugi::xml_node& node);
// The element serialized without its children: what a wrapper keeps.
std::string RawOpenTag(const pugi::xml_node& node);

} // namespace lorivex::engine::docx
