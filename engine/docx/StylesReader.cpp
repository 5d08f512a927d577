#include "engine/docx/StylesReader.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/docx/Xml.h"

namespace lorivex::engine::docx {

void ReadStyles(const pugi::xml_node& styles, StyleSheet& sheet)
{
    for (auto node : styles.children()) {
        if (node.type() != pugi::node_element)
            continue;
        if (std::strcmp(node.name(), "w:docDefaults") == 0) {
            sheet.DocDefaultsXml = Raw(node);
            auto lang = node.child("w:rPrDefault").child("w:rPr").child("w:lang");
            sheet.DefaultLanguage = Attr(lang, "w:val");
        } else if (std::strcmp(node.name(), "w:latentStyles") == 0) {
            sheet.LatentStylesXml = Raw(node);
        } else if (std::strcmp(node.name(), "w:style") == 0) {
            StyleRecord style;
            style.Id = Attr(node, "w:styleId");
            style.Type = Attr(node, "w:type");
            if (style.Type.empty())
                style.Type = u"paragraph";
            std::string isDefault = node.attribute("w:default").value();
            style.IsDefault = isDefault == "1" || isDefault == "true" || isDefault == "on";
            style.Name = Attr(node.child("w:name"), "w:val");
            if (style.Name.empty())
                style.Name = style.Id;
            style.BasedOn = Attr(node.child("w:basedOn"), "w:val");
            if (auto level = node.child("w:pPr").child("w:outlineLvl"))
                style.OutlineLvl = std::atoi(level.attribute("w:val").value());
            style.Xml = Raw(node);
            if (!style.Id.empty())
                sheet.Put(std::move(style));
        } else {
            sheet.OtherXml += Raw(node);
        }
    }
}

} // namespace lorivex::engine::docx
