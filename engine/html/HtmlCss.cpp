#include "engine/html/HtmlCss.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/CodePages.h"

namespace lorivex::engine::html {

namespace {

std::string Val(const pugi::xml_node& node, const char* name = "w:val")
{
    return node.attribute(name).value();
}

// Word's toggles: present without a value, or with "1", "true", "on".
bool On(const pugi::xml_node& node)
{
    std::string value = Val(node);
    return value.empty() || value == "1" || value == "true" || value == "on";
}

std::string Quoted(const std::string& font)
{
    // The family name lands inside a style attribute written with double
    // quotes, so it is quoted with apostrophes.
    std::string clean;
    for (char c : font)
        if (c != '"' && c != '\'' && c != ';' && c != '<' && c != '>' && c != '&')
            clean += c;
    return "'" + clean + "'";
}

std::string Colour(const std::string& value)
{
    if (value.size() != 6 || value.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return {};
    return "#" + value;
}

std::string HalfPoints(long halfPoints)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1fpt", halfPoints / 2.0);
    return buffer;
}

std::string Alignment(const std::string& jc)
{
    if (jc == "center") return "center";
    if (jc == "right" || jc == "end") return "right";
    if (jc == "both" || jc == "distribute") return "justify";
    if (jc == "left" || jc == "start") return "left";
    return {};
}

long Twips(const pugi::xml_node& node, const char* name)
{
    return std::atol(node.attribute(name).value());
}

} // namespace

std::string Points(long twips)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1fpt", twips / 20.0);
    return buffer;
}

void AddRunCss(const pugi::xml_node& rPr, CssMap& css)
{
    for (auto child : rPr.children()) {
        const char* name = child.name();
        if (!std::strcmp(name, "w:b"))
            css["font-weight"] = On(child) ? "bold" : "normal";
        else if (!std::strcmp(name, "w:i"))
            css["font-style"] = On(child) ? "italic" : "normal";
        else if (!std::strcmp(name, "w:u"))
            css["text-decoration"] = Val(child) == "none" ? "none" : "underline";
        else if (!std::strcmp(name, "w:strike"))
            css["text-decoration"] = On(child) ? "line-through" : "none";
        else if (!std::strcmp(name, "w:caps"))
            css["text-transform"] = On(child) ? "uppercase" : "none";
        else if (!std::strcmp(name, "w:color") && !Colour(Val(child)).empty())
            css["color"] = Colour(Val(child));
        else if (!std::strcmp(name, "w:sz") && std::atol(Val(child).c_str()) > 0)
            css["font-size"] = HalfPoints(std::atol(Val(child).c_str()));
        else if (!std::strcmp(name, "w:rFonts") && *child.attribute("w:ascii").value())
            css["font-family"] = Quoted(platform::Utf8ToAnsi(Val(child, "w:ascii")));
    }
}

void AddParagraphCss(const pugi::xml_node& pPr, CssMap& css)
{
    if (auto jc = pPr.child("w:jc"); jc && !Alignment(Val(jc)).empty())
        css["text-align"] = Alignment(Val(jc));
    if (auto ind = pPr.child("w:ind")) {
        for (const char* left : {"w:left", "w:start"})
            if (ind.attribute(left))
                css["margin-left"] = Points(Twips(ind, left));
        for (const char* right : {"w:right", "w:end"})
            if (ind.attribute(right))
                css["margin-right"] = Points(Twips(ind, right));
        if (ind.attribute("w:firstLine"))
            css["text-indent"] = Points(Twips(ind, "w:firstLine"));
        if (ind.attribute("w:hanging"))
            css["text-indent"] = Points(-Twips(ind, "w:hanging"));
    }
    if (auto spacing = pPr.child("w:spacing")) {
        if (spacing.attribute("w:before"))
            css["margin-top"] = Points(Twips(spacing, "w:before"));
        if (spacing.attribute("w:after"))
            css["margin-bottom"] = Points(Twips(spacing, "w:after"));
    }
}

void AddCharFormatCss(const CharFormat& format, CssMap& css)
{
    if (format.Color && !Colour(platform::Utf16ToAnsi(*format.Color)).empty())
        css["color"] = Colour(platform::Utf16ToAnsi(*format.Color));
    if (format.Font && !format.Font->empty())
        css["font-family"] = Quoted(platform::Utf16ToAnsi(*format.Font));
    if (format.Size && *format.Size > 0)
        css["font-size"] = HalfPoints(*format.Size);
}

std::string CssText(const CssMap& css)
{
    std::string text;
    for (const auto& [name, value] : css)
        text += (text.empty() ? "" : ";") + name + ":" + value;
    return text;
}

} // namespace lorivex::engine::html
