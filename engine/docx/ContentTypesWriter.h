#pragma once
// [Content_Types].xml as the writer leaves it: the original, with a type
// added for every new part that the original's defaults do not cover.
#include <map>
#include <string>
#include <vector>

namespace lorivex::engine::docx {

class ContentTypesWriter {
public:
    explicit ContentTypesWriter(std::string original);

    // Media get a default for their extension; other parts an override.
    void Ensure(const std::string& partName, const std::string& contentType);
    bool Changed() const { return !addedDefaults_.empty() || !addedOverrides_.empty(); }
    std::string Xml() const; // the original bytes while nothing was added

private:
    std::string original_;
    std::map<std::string, std::string> defaults_, overrides_; // lower-case keys
    std::vector<std::pair<std::string, std::string>> addedDefaults_, addedOverrides_;
};

// The content type of a picture's bytes by its file extension ("png").
std::string ImageContentType(const std::string& extension);
std::string ImageExtension(const std::string& contentType); // "png" for "image/png"

} // namespace lorivex::engine::docx
