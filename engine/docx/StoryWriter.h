#pragma once
// A story back into block content (w:body, w:hdr, w:ftr): paragraphs and
// tables from the paragraph and cell marks, runs from the characters and
// their formats, complex fields from the field marks, and bookmarks,
// hyperlinks and the kept raw XML where their live spans now stand.
#include <optional>
#include <string>
#include <vector>

#include "engine/DocumentModel.h"
#include "engine/docx/PartRelationships.h"
#include "engine/docx/WriteState.h"

namespace lorivex::engine::docx {

class StoryWriter {
public:
    StoryWriter(WriteState& state, const Story& story, PartRelationships& rels);
    // The content; for the main story with the sections' properties.
    std::string Write();

private:
    enum class UnitKind { Paragraph, CellEnd, RowEnd };
    struct Unit {
        long Start = 0, Mark = 0; // the mark ends the unit
        int Level = 0;            // table nesting
        UnitKind Kind = UnitKind::Paragraph;
        const CellRecord* Cell = nullptr;
    };
    struct Container {
        long Start = 0, End = 0;
        std::string Open, Close;
    };
    struct Inline {
        Container Item;
        int Rank = 0; // for equal spans: wrappers outside links, later-read outside earlier
        size_t Order = 0;
    };
    struct Point {
        long Position = 0;
        int Rank = 0; // at one position: ends, markers, starts
        size_t Order = 0;
        std::string Xml;
    };

    void BuildUnits();
    void BuildPoints();
    void BuildSections();
    void BuildContainers();
    size_t Blocks(size_t from, size_t to, int level);
    bool RowEndAhead(size_t from, size_t to, int level) const;
    size_t Table(size_t from, size_t to, int level);
    void Row(size_t from, size_t rowEnd, int level);
    void Paragraph(const Unit& unit);
    std::string SectionXml(int section);
    void InlineContent(long start, long mark);
    std::vector<Container> InlineContainers(long start, long mark);
    void Character(long position);
    void FlushPoints(long position);
    void FlushBlockMarkers(long position);
    void OpenBlockWrappers(long position, std::vector<long>& open);
    void CloseBlockWrappers(long position, std::vector<long>& open);

    void AddText(uint32_t format, char16_t c);
    void AddPiece(uint32_t format, const std::string& xml);
    void AddOwnRun(uint32_t format, const std::string& xml);
    void FlushText();
    void FlushRun();
    const std::string& RunPr(uint32_t format);
    bool InCode() const { return !fields_.empty() && fields_.back(); }
    std::string FieldBegin(uint32_t ext) const;
    void HtmlBlock(uint32_t format, const HtmlBlockRecord& block);

    WriteState& state_;
    const DocumentModel& model_;
    const Story& story_;
    PartRelationships& rels_;
    bool main_;
    std::string out_;
    std::vector<Unit> units_;
    std::vector<Point> points_;
    size_t nextPoint_ = 0;
    std::vector<std::pair<long, std::string>> blockMarkers_;
    size_t nextBlockMarker_ = 0;
    std::vector<size_t> blockWrappers_; // marker indexes, in opening order
    size_t nextBlockWrapper_ = 0;
    std::vector<Inline> inlines_;       // by start
    size_t nextInline_ = 0;
    std::vector<Inline> carried_;       // reaching into the next paragraph
    std::vector<long> sectionMark_; // where each section's properties go
    std::vector<bool> fields_;      // open fields: still in the code
    std::vector<std::optional<std::string>> runPr_;
    uint32_t runFormat_ = 0;
    bool runCode_ = false;
    std::string runXml_;
    std::u16string runText_;
};

// Run children that Word allows only inside a run.
bool IsRunContent(const std::string& rawElement);

} // namespace lorivex::engine::docx
