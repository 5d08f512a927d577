#pragma once
// Word's formatting as CSS declarations: from the XML of a style or of a
// paragraph's own properties, and from the character formats the engine
// models. Keys are CSS property names, so a later source overrides an
// earlier one the way a style overrides the one it is based on.
#include <map>
#include <string>

#include <pugixml.hpp>

#include "engine/Formats.h"

namespace lorivex::engine::html {

using CssMap = std::map<std::string, std::string>;

void AddRunCss(const pugi::xml_node& rPr, CssMap& css);
void AddParagraphCss(const pugi::xml_node& pPr, CssMap& css);
// Colour, font and size of a run's direct formatting (bold, italic and
// underline become elements of their own).
void AddCharFormatCss(const CharFormat& format, CssMap& css);

// "font-weight:bold;color:#FF0000"
std::string CssText(const CssMap& css);
// Twentieths of a point as CSS points ("36.0pt").
std::string Points(long twips);

} // namespace lorivex::engine::html
