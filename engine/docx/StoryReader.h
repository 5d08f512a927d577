#pragma once
// Turns the block content of a part (w:body, w:hdr, w:ftr) into a story:
// Word's characters, their formats, fields, tables, bookmarks, hyperlinks,
// pictures, and raw XML for whatever is not modelled.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/DocumentModel.h"
#include "engine/docx/Relationships.h"

namespace lorivex::engine::docx {

struct PartContext {
    const ZipPackage* Package = nullptr;
    const ContentTypes* Types = nullptr;
    std::string PartName;
    Relationships Rels;
    // Reads a sectPr (loading its headers and footers), returns its index.
    std::function<int(const pugi::xml_node&)> OnSection;
};

class StoryReader {
public:
    StoryReader(DocumentModel& document, Story& story, PartContext context);
    // Block content; the story must be empty. A story never ends without a
    // paragraph mark.
    void Read(const pugi::xml_node& container);

private:
    void Block(const pugi::xml_node& container, int depth);
    void Paragraph(const pugi::xml_node& p);
    void Inline(const pugi::xml_node& container, int depth);
    void Run(const pugi::xml_node& r);
    void RunChild(const pugi::xml_node& child, uint32_t format);
    void Table(const pugi::xml_node& tbl, int depth);
    void Row(const pugi::xml_node& tr, const CellRecord& table, int depth);
    void SimpleField(const pugi::xml_node& field, int depth);
    void Hyperlink(const pugi::xml_node& link, int depth);
    void Wrapper(const pugi::xml_node& element, const pugi::xml_node& content, int depth, bool block);
    void Marker(const pugi::xml_node& element, bool block);
    void BookmarkStart(const pugi::xml_node& node);
    void BookmarkEnd(const pugi::xml_node& node);
    uint32_t Object(const pugi::xml_node& child);
    void HtmlBlock(long begin);

    uint32_t CharFormatOf(const pugi::xml_node& rPr);
    uint32_t ParaFormatOf(const pugi::xml_node& pPr, uint32_t& markFormat);
    uint32_t EmptyRowFormat();
    void Append(char16_t c, uint32_t format, uint32_t para = 0, uint32_t ext = 0);
    long Here() const { return story_.Length(); }

    DocumentModel& document_;
    Story& story_;
    PartContext context_;
    struct OpenBookmark {
        BookmarkRecord Record;
        long Start;
    };
    std::map<std::u16string, OpenBookmark> openBookmarks_;
    std::vector<long> fieldBegins_; // the begin marks of the fields not yet ended
    int tables_ = 0;
    int tableDepth_ = 0; // cells enclosing the paragraph being read
};

} // namespace lorivex::engine::docx
