#include "engine/docx/ContentTypesWriter.h"

#include <pugixml.hpp>

#include <sstream>

#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

namespace {

std::string Lower(std::string text)
{
    for (auto& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return text;
}

const std::pair<const char*, const char*> ImageTypes[] = {
    {"png", "image/png"}, {"jpeg", "image/jpeg"}, {"jpg", "image/jpeg"}, {"gif", "image/gif"},
    {"bmp", "image/bmp"}, {"tiff", "image/tiff"}, {"tif", "image/tiff"}, {"emf", "image/x-emf"},
    {"wmf", "image/x-wmf"}, {"svg", "image/svg+xml"},
};

} // namespace

std::string ImageContentType(const std::string& extension)
{
    for (const auto& [ext, type] : ImageTypes)
        if (Lower(extension) == ext)
            return type;
    return "application/octet-stream";
}

std::string ImageExtension(const std::string& contentType)
{
    for (const auto& [ext, type] : ImageTypes)
        if (Lower(contentType) == type)
            return ext;
    return "bin";
}

ContentTypesWriter::ContentTypesWriter(std::string original) : original_(std::move(original))
{
    pugi::xml_document xml;
    if (original_.empty() || !xml.load_buffer(original_.data(), original_.size()))
        return;
    for (auto node : xml.document_element().children()) {
        std::string name = node.name();
        if (name.ends_with("Default"))
            defaults_[Lower(node.attribute("Extension").value())] = node.attribute("ContentType").value();
        else if (name.ends_with("Override"))
            overrides_[Lower(node.attribute("PartName").value())] = node.attribute("ContentType").value();
    }
}

void ContentTypesWriter::Ensure(const std::string& partName, const std::string& contentType)
{
    std::string key = Lower("/" + partName);
    if (auto it = overrides_.find(key); it != overrides_.end())
        return;
    auto dot = partName.rfind('.');
    std::string extension = dot == std::string::npos ? "" : Lower(partName.substr(dot + 1));
    auto byDefault = defaults_.find(extension);
    if (byDefault != defaults_.end() && byDefault->second == contentType)
        return;
    bool media = contentType.starts_with("image/") || contentType == "application/octet-stream";
    if (media && byDefault == defaults_.end() && !extension.empty()) {
        defaults_[extension] = contentType;
        addedDefaults_.emplace_back(extension, contentType);
    } else {
        overrides_[key] = contentType;
        addedOverrides_.emplace_back("/" + partName, contentType);
    }
}

std::string ContentTypesWriter::Xml() const
{
    if (!Changed() && !original_.empty())
        return original_;
    std::string defaults, overrides;
    pugi::xml_document xml;
    if (!original_.empty() && xml.load_buffer(original_.data(), original_.size())) {
        for (auto node : xml.document_element().children()) {
            std::ostringstream out;
            node.print(out, "", pugi::format_raw);
            (std::string(node.name()).ends_with("Default") ? defaults : overrides) += out.str();
        }
    } else {
        defaults = "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                   "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    }
    // Defaults before overrides, as the schema has them.
    for (const auto& [extension, type] : addedDefaults_)
        defaults += "<Default Extension=\"" + EscapeAttr(extension) + "\" ContentType=\"" + EscapeAttr(type) + "\"/>";
    for (const auto& [part, type] : addedOverrides_)
        overrides += "<Override PartName=\"" + EscapeAttr(part) + "\" ContentType=\"" + EscapeAttr(type) + "\"/>";
    return std::string(XmlDeclaration) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">" + defaults + overrides +
           "</Types>";
}

} // namespace lorivex::engine::docx
