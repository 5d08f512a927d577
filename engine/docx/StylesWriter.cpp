#include "engine/docx/StylesWriter.h"

#include <pugixml.hpp>

#include "engine/docx/Xml.h"
#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

std::string StylesXml(const std::string* original, const StyleSheet& styles)
{
    std::string attributes;
    if (original) {
        pugi::xml_document xml;
        Parse(xml, *original, "word/styles.xml", "");
        attributes = AttributesOf(RawOpenTag(xml.document_element()));
    }
    std::string out = std::string(XmlDeclaration) + RootOpenTag("w:styles", attributes) + styles.DocDefaultsXml +
                      styles.LatentStylesXml;
    for (const auto& style : styles.All())
        out += style.Xml;
    return out + styles.OtherXml + "</w:styles>";
}

} // namespace lorivex::engine::docx
