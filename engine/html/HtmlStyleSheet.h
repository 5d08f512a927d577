#pragma once
// The page's own <style> block: the document's styles that the page uses,
// as CSS rules, and the element and class a paragraph of a style gets.
#include <set>
#include <string>

#include "engine/StyleSheet.h"
#include "engine/html/HtmlCss.h"

namespace lorivex::engine::html {

// Where a paragraph goes: "h2" with no class for Word's heading 2, "p"
// with "MsoNormal" for the default style, "h1" with a class for another
// style at outline level 1.
struct ParagraphTag {
    std::string Element;
    std::string Class; // empty: the element alone selects the style
};

class HtmlStyleSheet {
public:
    explicit HtmlStyleSheet(const StyleSheet& styles) : styles_(styles) {}

    // outlineLevel is the paragraph's own (1..9, 10 for body text).
    ParagraphTag TagFor(const std::u16string& styleId, int outlineLevel);
    std::string CharacterClass(const std::u16string& styleId);
    // The rules of every style TagFor and CharacterClass were asked for.
    std::string Rules() const;

private:
    CssMap Resolve(const std::u16string& styleId) const;
    std::string ClassOf(const std::u16string& styleId) const;

    const StyleSheet& styles_;
    struct Used {
        std::string Selector;
        std::u16string StyleId;
        bool Paragraph = true;
        auto operator<=>(const Used&) const = default;
    };
    std::set<Used> used_;
};

} // namespace lorivex::engine::html
