#include "engine/html/HtmlStyleSheet.h"

#include "engine/Utf.h"

namespace lorivex::engine::html {

namespace {

pugi::xml_node Parsed(pugi::xml_document& document, const std::string& xml)
{
    document.load_buffer(xml.data(), xml.size());
    return document.first_child();
}

} // namespace

std::string HtmlStyleSheet::ClassOf(const std::u16string& styleId) const
{
    if (styleId.empty() || styleId == styles_.DefaultParagraphStyle())
        return "MsoNormal";
    // Class names keep letters and digits only: a style id may hold
    // characters a selector cannot.
    std::string name;
    for (char16_t c : styleId)
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            name += char(c);
    if (name.empty() || (name[0] >= '0' && name[0] <= '9'))
        name = "Style" + name;
    return name;
}

ParagraphTag HtmlStyleSheet::TagFor(const std::u16string& styleId, int outlineLevel)
{
    const StyleRecord* style = styles_.ById(styleId.empty() ? styles_.DefaultParagraphStyle() : styleId);
    int heading = style ? HeadingNumber(style->Name) : 0;
    ParagraphTag tag;
    // HTML has six heading elements; deeper levels stay paragraphs, as in
    // Word's own pages.
    if (outlineLevel >= 1 && outlineLevel <= 6) {
        tag.Element = "h" + std::to_string(outlineLevel);
        if (heading != outlineLevel)
            tag.Class = ClassOf(styleId);
    } else {
        tag.Element = "p";
        tag.Class = heading ? "MsoHeading" + std::to_string(heading) : ClassOf(styleId);
    }
    std::string selector = tag.Element + (tag.Class.empty() ? "" : "." + tag.Class);
    if (style)
        used_.insert({selector, style->Id, true});
    return tag;
}

std::string HtmlStyleSheet::CharacterClass(const std::u16string& styleId)
{
    std::string name = ClassOf(styleId);
    if (const StyleRecord* style = styles_.ById(styleId))
        used_.insert({"span." + name, style->Id, false});
    return name;
}

CssMap HtmlStyleSheet::Resolve(const std::u16string& styleId) const
{
    std::vector<const StyleRecord*> chain;
    for (const StyleRecord* style = styles_.ById(styleId); style && chain.size() < 64;
         style = style->BasedOn.empty() ? nullptr : styles_.ById(style->BasedOn))
        chain.push_back(style);
    CssMap css;
    if (!chain.empty() && chain.front()->Type == u"paragraph") {
        pugi::xml_document defaults;
        auto root = Parsed(defaults, styles_.DocDefaultsXml);
        AddRunCss(root.child("w:rPrDefault").child("w:rPr"), css);
        AddParagraphCss(root.child("w:pPrDefault").child("w:pPr"), css);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        pugi::xml_document xml;
        auto style = Parsed(xml, (*it)->Xml);
        AddParagraphCss(style.child("w:pPr"), css);
        AddRunCss(style.child("w:rPr"), css);
    }
    return css;
}

std::string HtmlStyleSheet::Rules() const
{
    std::string rules;
    for (const auto& used : used_) {
        CssMap css = Resolve(used.StyleId);
        if (used.Paragraph && !css.count("margin-top"))
            css["margin-top"] = "0pt"; // Word spaces paragraphs only as the style says
        rules += used.Selector + "\r\n\t{" + CssText(css) + "}\r\n";
    }
    return rules;
}

} // namespace lorivex::engine::html
