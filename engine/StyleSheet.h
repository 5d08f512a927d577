#pragma once
// The document's styles with their basedOn chains. Only what the compiler
// asks of a style is modelled (name, kind, outline level, in use); the rest
// of each definition stays as its XML.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lorivex::engine {

struct StyleRecord {
    std::u16string Id;
    std::u16string Name;   // w:name as stored ("heading 1")
    std::u16string Type;   // paragraph, character, table, numbering
    std::u16string BasedOn;
    std::optional<int> OutlineLvl; // w:outlineLvl in the style's own pPr
    bool IsDefault = false;
    bool MarkedInUse = false;      // brought in by the Organizer
    std::string Xml;               // the whole w:style element
};

class StyleSheet {
public:
    std::string DocDefaultsXml;
    std::string LatentStylesXml;
    std::u16string DefaultLanguage; // from the run defaults; empty when none
    std::string OtherXml;           // anything else under w:styles

    const std::vector<StyleRecord>& All() const { return styles_; }
    const StyleRecord* ById(std::u16string_view id) const;
    // Matches the stored name or Word's display name, ignoring case.
    const StyleRecord* ByName(std::u16string_view name) const;
    // Adds, or replaces the style with the same id.
    void Put(StyleRecord style);
    void Remove(std::u16string_view id);
    std::u16string DefaultParagraphStyle() const;
    uint64_t Version() const { return version_; }

    // 1..9 for a heading style, 10 for body text: the first style up the
    // chain that sets an outline level or is one of Word's heading styles.
    int OutlineLevel(std::u16string_view styleId) const;

private:
    std::vector<StyleRecord> styles_;
    std::map<std::u16string, size_t> byId_;
    uint64_t version_ = 0;
};

// Word shows its built-in styles under names that differ from the stored
// ones only in case ("heading 1" is "Heading 1").
std::u16string StyleNameLocal(const std::u16string& storedName);
// N for "heading N" (either case), 0 otherwise.
int HeadingNumber(std::u16string_view name);

} // namespace lorivex::engine
