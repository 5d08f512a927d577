#include "engine/docx/Relationships.h"

#include <vector>

#include "engine/docx/Xml.h"

namespace lorivex::engine::docx {

namespace {

std::string Lower(std::string text)
{
    for (auto& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return text;
}

std::string RelsPartOf(const std::string& partName)
{
    auto slash = partName.rfind('/');
    std::string folder = slash == std::string::npos ? "" : partName.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? partName : partName.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

} // namespace

std::string ResolvePartName(const std::string& sourcePart, const std::string& target)
{
    std::string path;
    if (!target.empty() && target[0] == '/') {
        path = target.substr(1);
    } else {
        auto slash = sourcePart.rfind('/');
        path = (slash == std::string::npos ? "" : sourcePart.substr(0, slash + 1)) + target;
    }
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string piece = path.substr(start, end - start);
        if (piece == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!piece.empty() && piece != ".") {
            parts.push_back(piece);
        }
        start = end + 1;
    }
    std::string resolved;
    for (const auto& piece : parts)
        resolved += (resolved.empty() ? "" : "/") + piece;
    return resolved;
}

Relationships ReadRelationships(const ZipPackage& package, const std::string& partName)
{
    Relationships relationships;
    std::string relsPart = partName.empty() ? "_rels/.rels" : RelsPartOf(partName);
    if (!package.Has(relsPart))
        return relationships;
    pugi::xml_document xml;
    Parse(xml, package.Read(relsPart), relsPart, package.FileName());
    for (auto node : xml.document_element().children()) {
        std::string name = node.name();
        if (name != "rel:Relationship" && name != "Relationship")
            continue;
        Relationship relationship;
        relationship.Type = node.attribute("Type").value();
        relationship.External = std::string(node.attribute("TargetMode").value()) == "External";
        std::string target = node.attribute("Target").value();
        relationship.Target = relationship.External ? target : ResolvePartName(partName, target);
        relationships[node.attribute("Id").value()] = relationship;
    }
    return relationships;
}

std::string FindByType(const Relationships& relationships, const std::string& typeSuffix)
{
    for (const auto& [id, relationship] : relationships)
        if (relationship.Type.ends_with(typeSuffix))
            return relationship.Target;
    return {};
}

void ContentTypes::Read(const ZipPackage& package)
{
    if (!package.Has("[Content_Types].xml"))
        return;
    pugi::xml_document xml;
    Parse(xml, package.Read("[Content_Types].xml"), "[Content_Types].xml", package.FileName());
    for (auto node : xml.document_element().children()) {
        std::string name = node.name();
        if (name.ends_with("Default"))
            defaults_[Lower(node.attribute("Extension").value())] = node.attribute("ContentType").value();
        else if (name.ends_with("Override"))
            overrides_[Lower(ResolvePartName("", node.attribute("PartName").value()))] =
                node.attribute("ContentType").value();
    }
}

std::string ContentTypes::Of(const std::string& partName) const
{
    if (auto it = overrides_.find(Lower(partName)); it != overrides_.end())
        return it->second;
    auto dot = partName.rfind('.');
    if (dot != std::string::npos)
        if (auto it = defaults_.find(Lower(partName.substr(dot + 1))); it != defaults_.end())
            return it->second;
    return {};
}

} // namespace lorivex::engine::docx
