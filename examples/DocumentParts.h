#pragma once
// The parts every document the build makes shares: the sample, the
// templates. Each is WordprocessingML as Word writes it.
#include <string>
#include <utility>
#include <vector>

namespace lorivex::examples {

// Heading 1 to 3 in the product's colours, Verdana for the text.
std::string Styles();
// A header ("hdr") or footer ("ftr") part holding one paragraph.
std::string HeaderFooter(const char* element, const std::string& runs);
// The custom properties part: name and text of each property.
std::string CustomProperties(const std::vector<std::pair<std::string, std::string>>& properties);
std::string ContentTypes();
std::string CoreProperties(const std::string& title, const std::string& subject);
// A paragraph holding the hidden related-topic field with its paths (CR LF after each).
std::string Related(const std::string& pathsWithCrLf);
// A hidden index entry.
std::string Index(const std::string& entry);
std::string Bookmarked(const std::string& name, int id, const std::string& runs);

} // namespace lorivex::examples
