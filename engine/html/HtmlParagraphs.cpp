// A paragraph's own formatting and list membership, worked out once per
// paragraph format: a document has thousands of paragraphs but few formats.
#include <cstdlib>

#include "engine/html/HtmlBody.h"

namespace lorivex::engine::html {

namespace {

void ReadNumPr(const pugi::xml_node& pPr, int& numId, int& level)
{
    if (auto numPr = pPr.child("w:numPr")) {
        numId = std::atoi(numPr.child("w:numId").attribute("w:val").value());
        level = std::atoi(numPr.child("w:ilvl").attribute("w:val").value());
    }
}

} // namespace

const HtmlBody::ParagraphInfo& HtmlBody::Info(uint32_t para)
{
    auto [it, added] = paragraphs_.try_emplace(para);
    if (!added)
        return it->second;
    const ParagraphFormat& format = model_.ParaFormats[para];
    ParagraphInfo& info = it->second;
    info.NumId = -1;
    if (!format.Raw.empty()) {
        pugi::xml_document xml;
        std::string wrapped = "<w:pPr>" + format.Raw + "</w:pPr>";
        xml.load_buffer(wrapped.data(), wrapped.size());
        AddParagraphCss(xml.child("w:pPr"), info.Css);
        ReadNumPr(xml.child("w:pPr"), info.NumId, info.Level);
    }
    if (info.NumId < 0)
        StyleNumbering(format.Style.empty() ? model_.Styles.DefaultParagraphStyle() : format.Style, info);
    return info;
}

void HtmlBody::StyleNumbering(const std::u16string& styleId, ParagraphInfo& info) const
{
    // List styles ("List Bullet") carry the numbering in the style, or in
    // one it is based on.
    const StyleRecord* style = model_.Styles.ById(styleId);
    for (int hops = 0; style && hops < 64 && info.NumId < 0; ++hops) {
        if (style->Xml.find("w:numPr") != std::string::npos) {
            pugi::xml_document xml;
            xml.load_buffer(style->Xml.data(), style->Xml.size());
            ReadNumPr(xml.first_child().child("w:pPr"), info.NumId, info.Level);
        }
        style = style->BasedOn.empty() ? nullptr : model_.Styles.ById(style->BasedOn);
    }
}

std::u16string HtmlBody::ListLabel(const ParagraphInfo& info, CssMap& css)
{
    if (info.NumId <= 0)
        return {};
    if (!numbering_) {
        auto part = model_.Parts.find("word/numbering.xml");
        numbering_ = std::make_unique<HtmlNumbering>(part == model_.Parts.end() ? std::string() : part->second);
    }
    CssMap levelCss;
    std::u16string label = numbering_->Next(info.NumId, info.Level, levelCss);
    for (const auto& [name, value] : levelCss)
        css.try_emplace(name, value);
    return label;
}

} // namespace lorivex::engine::html
