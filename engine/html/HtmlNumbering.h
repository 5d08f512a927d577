#pragma once
// List numbers and bullets as the text a reader sees in front of a list
// paragraph: the page carries "1." or a bullet as text, since Word's list
// definitions have no faithful counterpart in HTML 4 lists.
#include <map>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/html/HtmlCss.h"

namespace lorivex::engine::html {

class HtmlNumbering {
public:
    explicit HtmlNumbering(const std::string& numberingXml);

    // The label of the next paragraph of list numId at level ilvl ("2.",
    // "a)", a bullet), counting on from the list's previous paragraphs;
    // empty when the list is not defined. Adds the level's indentation.
    std::u16string Next(int numId, int ilvl, CssMap& css);

private:
    struct Level {
        int Start = 1;
        std::string Format = "decimal";
        std::u16string Text;
    };
    const Level* Find(int numId, int ilvl);
    std::u16string Label(const Level& level, const std::vector<int>& counters, int numId);

    pugi::xml_document xml_;
    std::map<int, std::map<int, Level>> abstract_; // abstractNumId -> levels
    std::map<int, int> nums_;                      // numId -> abstractNumId
    std::map<int, std::vector<int>> counters_;     // numId -> counter per level
};

} // namespace lorivex::engine::html
