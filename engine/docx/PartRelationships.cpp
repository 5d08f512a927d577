#include "engine/docx/PartRelationships.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "engine/docx/Relationships.h"
#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

namespace {

std::string KindOf(const std::string& type)
{
    auto slash = type.rfind('/');
    return slash == std::string::npos ? type : type.substr(slash + 1);
}

std::string LocalName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

// Package-level relationships live in another namespace than part-level ones.
std::string TypeUri(const std::string& kind)
{
    if (kind == "core-properties")
        return "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
    return RelTypeBase + kind;
}

} // namespace

std::string RelsPartName(const std::string& sourcePart)
{
    if (sourcePart.empty())
        return "_rels/.rels";
    auto slash = sourcePart.rfind('/');
    std::string folder = slash == std::string::npos ? "" : sourcePart.substr(0, slash + 1);
    return folder + "_rels/" + sourcePart.substr(slash == std::string::npos ? 0 : slash + 1) + ".rels";
}

PartRelationships::PartRelationships(std::string sourcePart, std::string original)
    : source_(std::move(sourcePart)), original_(std::move(original))
{
    pugi::xml_document xml;
    if (original_.empty() || !xml.load_buffer(original_.data(), original_.size()))
        return;
    for (auto node : xml.document_element().children()) {
        if (LocalName(node.name()) != "Relationship")
            continue;
        Entry entry{node.attribute("Id").value(), node.attribute("Type").value(), node.attribute("Target").value(),
                    std::string(node.attribute("TargetMode").value()) == "External"};
        if (!entry.External)
            entry.Target = ResolvePartName(source_, entry.Target);
        entries_.push_back(std::move(entry));
    }
}

std::string PartRelationships::PartName() const
{
    return RelsPartName(source_);
}

std::string PartRelationships::IdFor(const std::string& kind, const std::string& target, bool external)
{
    for (const auto& entry : entries_)
        if (entry.External == external && entry.Target == target && KindOf(entry.Type) == kind)
            return entry.Id;
    long highest = 0;
    for (const auto& entry : entries_)
        if (entry.Id.starts_with("rId"))
            highest = std::max(highest, std::strtol(entry.Id.c_str() + 3, nullptr, 10));
    std::string id = "rId" + std::to_string(highest + 1);
    entries_.push_back({id, TypeUri(kind), target, external});
    ++added_;
    return id;
}

std::string PartRelationships::TargetOf(const std::string& kind) const
{
    for (const auto& entry : entries_)
        if (!entry.External && KindOf(entry.Type) == kind)
            return entry.Target;
    return {};
}

std::string PartRelationships::RelativeTarget(const std::string& partName) const
{
    auto slash = source_.rfind('/');
    std::string folder = slash == std::string::npos ? "" : source_.substr(0, slash + 1);
    if (partName.starts_with(folder))
        return partName.substr(folder.size());
    return "/" + partName;
}

std::string PartRelationships::Xml() const
{
    if (!Changed())
        return original_;
    std::string kept;
    pugi::xml_document xml;
    if (!original_.empty() && xml.load_buffer(original_.data(), original_.size())) {
        std::ostringstream children;
        for (auto node : xml.document_element().children())
            node.print(children, "", pugi::format_raw);
        kept = children.str();
    }
    std::string out = std::string(XmlDeclaration) +
                      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + kept;
    for (size_t i = entries_.size() - added_; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        out += "<Relationship Id=\"" + EscapeAttr(entry.Id) + "\" Type=\"" + EscapeAttr(entry.Type) +
               "\" Target=\"" + EscapeAttr(entry.External ? entry.Target : RelativeTarget(entry.Target)) + "\"" +
               (entry.External ? " TargetMode=\"External\"" : "") + "/>";
    }
    return out + "</Relationships>";
}

} // namespace lorivex::engine::docx
