#pragma once
// Character and paragraph formatting, interned: a story keeps one small index
// per character, and documents of 100,000 paragraphs share a few dozen
// formats. What the engine does not model stays as the XML it was read from
// (Raw), so that the document writer can put it back.
#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lorivex::engine {

struct CharFormat {
    std::optional<bool> Bold;
    std::optional<bool> Italic;
    std::optional<std::u16string> Underline; // w:u w:val
    std::optional<std::u16string> Color;     // "FF0000", "auto"
    std::optional<std::u16string> Font;      // ascii font
    std::optional<int> Size;                 // half-points
    std::optional<bool> Hidden;
    std::optional<std::u16string> Language;  // "en-US"
    std::u16string CharStyle;                // style id
    std::string Raw;                         // unmodelled rPr children

    auto operator<=>(const CharFormat&) const = default;
};

struct ParagraphFormat {
    std::u16string Style;          // style id; empty for the default style
    std::optional<int> OutlineLvl; // direct w:outlineLvl, 0..9 as in XML
    int Section = -1;              // index of the section this paragraph ends
    // How many tables enclose the paragraph (0 in the body), as Word keeps
    // "in table" on the paragraph: the characters alone cannot tell where a
    // table's first cell begins.
    int TableDepth = 0;
    std::string Raw;               // unmodelled pPr children (numPr, spacing ...)
    std::string MarkRunRaw;        // the paragraph mark's own rPr, as read

    auto operator<=>(const ParagraphFormat&) const = default;
};

template <class T>
class Interned {
public:
    Interned() { Intern(T{}); }
    uint32_t Intern(const T& value)
    {
        auto [it, added] = index_.try_emplace(value, uint32_t(items_.size()));
        if (added)
            items_.push_back(value);
        return it->second;
    }
    const T& operator[](uint32_t index) const { return items_.at(index); }
    size_t Size() const { return items_.size(); }

private:
    std::vector<T> items_;
    std::map<T, uint32_t> index_;
};

// Word's language ids for the language tags of the XML; 0 when unknown.
long LanguageIdFromTag(std::u16string_view tag);
std::u16string LanguageTagFromId(long id); // empty when unknown

} // namespace lorivex::engine
