#include "engine/docx/FormatWriter.h"

#include <string_view>
#include <vector>

#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

namespace {

const std::vector<std::string_view> RunOrder = {
    "w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps", "w:strike", "w:dstrike",
    "w:outline", "w:shadow", "w:emboss", "w:imprint", "w:noProof", "w:snapToGrid", "w:vanish", "w:webHidden",
    "w:color", "w:spacing", "w:w", "w:kern", "w:position", "w:sz", "w:szCs", "w:highlight", "w:u", "w:effect",
    "w:bdr", "w:shd", "w:fitText", "w:vertAlign", "w:rtl", "w:cs", "w:em", "w:lang", "w:eastAsianLayout",
    "w:specVanish", "w:oMath", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "w:rPrChange",
};

const std::vector<std::string_view> ParagraphOrder = {
    "w:pStyle", "w:keepNext", "w:keepLines", "w:pageBreakBefore", "w:framePr", "w:widowControl", "w:numPr",
    "w:suppressLineNumbers", "w:pBdr", "w:shd", "w:tabs", "w:suppressAutoHyphens", "w:kinsoku", "w:wordWrap",
    "w:overflowPunct", "w:topLinePunct", "w:autoSpaceDE", "w:autoSpaceDN", "w:bidi", "w:adjustRightInd",
    "w:snapToGrid", "w:spacing", "w:ind", "w:contextualSpacing", "w:mirrorIndents", "w:suppressOverlap", "w:jc",
    "w:textDirection", "w:textAlignment", "w:textboxTightWrap", "w:outlineLvl", "w:divId", "w:cnfStyle", "w:rPr",
    "w:sectPr", "w:pPrChange",
};

std::string OnOff(const char* name, bool on)
{
    return std::string("<") + name + (on ? "/>" : " w:val=\"0\"/>");
}

std::string Val(const char* name, std::u16string_view value)
{
    return std::string("<") + name + Attribute("w:val", value) + "/>";
}

std::u16string Number(int value)
{
    std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// The kept fonts of the other scripts and the kept language attributes
// share their element with the modelled attribute.
void MergeInto(std::vector<RawChild>& children, const char* name, const std::string& modelled,
               const std::string& alone)
{
    for (auto& child : children) {
        if (child.Name == name) {
            child.Xml = std::string("<") + name + modelled + AttributesOf(child.Xml) + "/>";
            return;
        }
    }
    children.push_back({name, std::string("<") + name + modelled + alone + "/>"});
}

} // namespace

std::string RunProperties(const CharFormat& format)
{
    std::vector<RawChild> children = SplitRawChildren(format.Raw);
    if (!format.CharStyle.empty())
        children.push_back({"w:rStyle", Val("w:rStyle", format.CharStyle)});
    if (format.Font)
        MergeInto(children, "w:rFonts", Attribute("w:ascii", *format.Font), "");
    if (format.Bold)
        children.push_back({"w:b", OnOff("w:b", *format.Bold)});
    if (format.Italic)
        children.push_back({"w:i", OnOff("w:i", *format.Italic)});
    if (format.Hidden)
        children.push_back({"w:vanish", OnOff("w:vanish", *format.Hidden)});
    if (format.Color)
        children.push_back({"w:color", Val("w:color", *format.Color)});
    if (format.Size)
        children.push_back({"w:sz", Val("w:sz", Number(*format.Size))});
    if (format.Underline)
        children.push_back({"w:u", Val("w:u", *format.Underline)});
    if (format.Language)
        MergeInto(children, "w:lang", Attribute("w:val", *format.Language), "");
    if (children.empty())
        return {};
    return "<w:rPr>" + JoinInOrder(std::move(children), RunOrder) + "</w:rPr>";
}

std::string ParagraphProperties(const ParagraphFormat& format, const std::string& markRunProperties,
                                const std::string& sectionProperties)
{
    std::vector<RawChild> children = SplitRawChildren(format.Raw);
    if (!format.Style.empty())
        children.push_back({"w:pStyle", Val("w:pStyle", format.Style)});
    if (format.OutlineLvl)
        children.push_back({"w:outlineLvl", Val("w:outlineLvl", Number(*format.OutlineLvl))});
    if (!markRunProperties.empty())
        children.push_back({"w:rPr", markRunProperties});
    if (!sectionProperties.empty())
        children.push_back({"w:sectPr", sectionProperties});
    if (children.empty())
        return {};
    return "<w:pPr>" + JoinInOrder(std::move(children), ParagraphOrder) + "</w:pPr>";
}

} // namespace lorivex::engine::docx
