#include "engine/docx/PropertiesReader.h"

#include <cstdio>
#include <cstring>

#include "engine/Utf.h"
#include "engine/docx/PropertyMap.h"
#include "engine/docx/Xml.h"

namespace lorivex::engine::docx {

namespace {

void SetBuiltIn(PropertySet& properties, const char16_t* name, const std::u16string& text)
{
    PropertyRecord* property = properties.FindBuiltIn(name);
    if (!property)
        return;
    switch (property->Type) {
    case word::PropertyTypeDate:
        if (auto date = ParseW3cDate(text))
            property->Value = word::Variant::Date(*date);
        break;
    case word::PropertyTypeNumber:
        property->Value = word::Variant::Integer(std::atoll(Utf16ToUtf8(text).c_str()));
        break;
    default:
        property->Value = word::Variant::Text(text);
    }
}

void ReadMapped(const ZipPackage& package, const std::string& part, const PropertyMapping* begin, const PropertyMapping* end,
                PropertySet& properties)
{
    if (part.empty() || !package.Has(part))
        return;
    pugi::xml_document xml;
    Parse(xml, package.Read(part), part, package.FileName());
    for (auto node : xml.document_element().children())
        for (auto m = begin; m != end; ++m)
            if (std::strcmp(node.name(), m->Element) == 0)
                SetBuiltIn(properties, m->Property, Text(node));
}

std::optional<word::Variant> CustomValue(const pugi::xml_node& value, long& type)
{
    std::string kind = value.name();
    auto text = Text(value);
    if (kind == "vt:lpwstr" || kind == "vt:lpstr" || kind == "vt:bstr") {
        type = word::PropertyTypeString;
        return word::Variant::Text(text);
    }
    if (kind == "vt:i4" || kind == "vt:int" || kind == "vt:i8" || kind == "vt:i2" || kind == "vt:ui4") {
        type = word::PropertyTypeNumber;
        return word::Variant::Integer(std::atoll(Utf16ToUtf8(text).c_str()));
    }
    if (kind == "vt:bool") {
        type = word::PropertyTypeBoolean;
        return word::Variant::Boolean(text == u"true" || text == u"1");
    }
    if (kind == "vt:r8" || kind == "vt:r4" || kind == "vt:decimal") {
        type = word::PropertyTypeFloat;
        return word::Variant::Float(std::atof(Utf16ToUtf8(text).c_str()));
    }
    if (kind == "vt:filetime" || kind == "vt:date") {
        type = word::PropertyTypeDate;
        if (auto date = ParseW3cDate(text))
            return word::Variant::Date(*date);
    }
    return std::nullopt;
}

} // namespace

std::optional<platform::DateTime> ParseW3cDate(const std::u16string& text)
{
    platform::DateTime date;
    int year = 0, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    std::string utf8 = Utf16ToUtf8(text);
    int read = std::sscanf(utf8.c_str(), "%d-%d-%dT%d:%d:%d", &year, &month, &day, &hour, &minute, &second);
    if (read < 1 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    date.Year = year, date.Month = month, date.Day = day;
    date.Hour = hour, date.Minute = minute, date.Second = second;
    return date;
}

void ReadProperties(const ZipPackage& package, const Relationships& packageRels, PropertySet& properties)
{
    std::string core = FindByType(packageRels, "/core-properties");
    if (core.empty() && package.Has("docProps/core.xml"))
        core = "docProps/core.xml";
    ReadMapped(package, core, std::begin(CoreMap), std::end(CoreMap), properties);
    std::string app = FindByType(packageRels, "/extended-properties");
    if (app.empty() && package.Has("docProps/app.xml"))
        app = "docProps/app.xml";
    ReadMapped(package, app, std::begin(AppMap), std::end(AppMap), properties);

    std::string custom = FindByType(packageRels, "/custom-properties");
    if (custom.empty() && package.Has("docProps/custom.xml"))
        custom = "docProps/custom.xml";
    if (custom.empty() || !package.Has(custom))
        return;
    pugi::xml_document xml;
    Parse(xml, package.Read(custom), custom, package.FileName());
    for (auto node : xml.document_element().children()) {
        if (node.type() != pugi::node_element)
            continue;
        PropertyRecord property;
        property.Name = Utf8ToUtf16(node.attribute("name").value());
        property.LinkSource = Utf8ToUtf16(node.attribute("linkTarget").value());
        property.LinkToContent = !property.LinkSource.empty();
        auto value = node.first_child();
        while (value && value.type() != pugi::node_element)
            value = value.next_sibling();
        property.Value = CustomValue(value, property.Type);
        if (!property.Name.empty() && !properties.FindCustom(property.Name))
            properties.Custom.push_back(std::move(property));
    }
}

} // namespace lorivex::engine::docx
