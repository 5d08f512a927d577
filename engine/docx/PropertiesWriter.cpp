#include "engine/docx/PropertiesWriter.h"

#include <pugixml.hpp>

#include <cstdio>
#include <iterator>

#include "engine/Utf.h"
#include "engine/docx/PropertyMap.h"
#include "engine/docx/Xml.h"
#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

namespace {

const std::vector<NamespaceDefault> CoreNamespaces = {
    {"cp", "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"},
    {"dc", "http://purl.org/dc/elements/1.1/"},
    {"dcterms", "http://purl.org/dc/terms/"},
    {"dcmitype", "http://purl.org/dc/dcmitype/"},
    {"xsi", "http://www.w3.org/2001/XMLSchema-instance"},
};

const std::vector<NamespaceDefault> AppNamespaces = {
    {"ep", "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"},
    {"vt", "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes"},
};

constexpr char CustomFormatId[] = "{D5CDD505-2E9C-101B-9397-08002B2CF9AE}";

std::string W3cDate(const platform::DateTime& date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", date.Year, date.Month, date.Day,
                  date.Hour, date.Minute, date.Second);
    return buffer;
}

// The text a value is stored as; nothing for a value never set.
std::optional<std::string> StoredText(const PropertyRecord& property)
{
    if (!property.Value)
        return std::nullopt;
    const word::Variant& value = *property.Value;
    switch (value.kind) {
    case word::Variant::Kind::Date: return W3cDate(value.date);
    case word::Variant::Kind::Integer: return std::to_string(value.integer);
    case word::Variant::Kind::Boolean: return value.boolean ? "true" : "false";
    case word::Variant::Kind::Float: {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", value.number);
        return std::string(buffer);
    }
    case word::Variant::Kind::Text: return Utf16ToUtf8(value.text);
    default: return std::nullopt;
    }
}

bool AnySet(const PropertyMapping* begin, const PropertyMapping* end, PropertySet& properties)
{
    for (auto m = begin; m != end; ++m) {
        auto text = StoredText(*properties.FindBuiltIn(m->Property));
        if (text && !text->empty())
            return true;
    }
    return false;
}

void PutValue(pugi::xml_node root, const PropertyMapping& mapping, const std::string& text)
{
    auto element = root.child(mapping.Element);
    if (!element) {
        if (text.empty())
            return;
        element = root.append_child(mapping.Element);
        std::string name = mapping.Element;
        if (name == "dcterms:created" || name == "dcterms:modified")
            element.append_attribute("xsi:type") = "dcterms:W3CDTF";
    }
    element.text().set(text.c_str());
}

std::string Serialize(const pugi::xml_node& root, const std::vector<NamespaceDefault>& namespaces)
{
    std::string out = std::string(XmlDeclaration) + RootOpenTag(root.name(), AttributesOf(RawOpenTag(root)), namespaces);
    for (auto child : root.children())
        out += Raw(child);
    return out + "</" + root.name() + ">";
}

std::optional<std::string> MappedXml(const std::string* original, PropertySet properties, const char* rootName,
                                     const PropertyMapping* begin, const PropertyMapping* end,
                                     const std::vector<NamespaceDefault>& namespaces)
{
    if (!original && !AnySet(begin, end, properties))
        return std::nullopt;
    pugi::xml_document xml;
    if (original)
        Parse(xml, *original, rootName, "");
    else
        xml.append_child(rootName);
    auto root = xml.document_element();
    for (auto m = begin; m != end; ++m)
        if (auto text = StoredText(*properties.FindBuiltIn(m->Property)))
            PutValue(root, *m, *text);
    return Serialize(root, namespaces);
}

std::string CustomValue(const PropertyRecord& property)
{
    std::string text = EscapeText(StoredText(property).value_or(""));
    switch (property.Type) {
    case word::PropertyTypeNumber: return "<vt:i4>" + text + "</vt:i4>";
    case word::PropertyTypeBoolean: return "<vt:bool>" + text + "</vt:bool>";
    case word::PropertyTypeFloat: return "<vt:r8>" + text + "</vt:r8>";
    case word::PropertyTypeDate: return "<vt:filetime>" + text + "</vt:filetime>";
    default: return "<vt:lpwstr>" + text + "</vt:lpwstr>";
    }
}

} // namespace

std::optional<std::string> CoreXml(const std::string* original, const PropertySet& properties)
{
    return MappedXml(original, properties, "cp:coreProperties", std::begin(CoreMap), std::end(CoreMap),
                     CoreNamespaces);
}

std::optional<std::string> AppXml(const std::string* original, const PropertySet& properties)
{
    return MappedXml(original, properties, "ep:Properties", std::begin(AppMap), std::end(AppMap), AppNamespaces);
}

std::optional<std::string> CustomXml(const std::string* original, const PropertySet& properties)
{
    if (!original && properties.Custom.empty())
        return std::nullopt;
    std::string out = std::string(XmlDeclaration) +
                      "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties\" "
                      "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">";
    int pid = 2; // Word starts the custom ids at 2
    for (const auto& property : properties.Custom) {
        out += std::string("<property fmtid=\"") + CustomFormatId + "\" pid=\"" + std::to_string(pid++) + "\"" +
               Attribute("name", property.Name);
        if (property.LinkToContent && !property.LinkSource.empty())
            out += Attribute("linkTarget", property.LinkSource);
        out += '>';
        out += CustomValue(property);
        out += "</property>";
    }
    return out + "</Properties>";
}

} // namespace lorivex::engine::docx
