// The block structure of a story: paragraphs, tables built from the cell
// marks, block-level content controls and kept block elements.
#include <algorithm>
#include <climits>

#include "engine/docx/FormatWriter.h"
#include "engine/docx/StoryWriter.h"
#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

size_t StoryWriter::Blocks(size_t from, size_t to, int level)
{
    std::vector<long> open; // block wrappers opened at this level
    size_t k = from;
    while (k < to) {
        const Unit& unit = units_[k];
        FlushBlockMarkers(unit.Start);
        OpenBlockWrappers(unit.Start, open);
        if (unit.Level > level && RowEndAhead(k, to, level + 1)) {
            k = Table(k, to, level + 1);
        } else {
            if (unit.Kind != UnitKind::RowEnd)
                Paragraph(unit);
            ++k;
        }
        CloseBlockWrappers(units_[k - 1].Mark + 1, open);
    }
    CloseBlockWrappers(LONG_MAX, open);
    return k;
}

// A stray cell mark (a piece of a table copied alone) is no table.
bool StoryWriter::RowEndAhead(size_t from, size_t to, int level) const
{
    for (size_t k = from; k < to && units_[k].Level >= level; ++k)
        if (units_[k].Kind == UnitKind::RowEnd && units_[k].Level == level)
            return true;
    return false;
}

size_t StoryWriter::Table(size_t from, size_t to, int level)
{
    size_t k = from;
    int table = -1;
    while (k < to && RowEndAhead(k, to, level)) {
        size_t rowEnd = k;
        while (!(units_[rowEnd].Kind == UnitKind::RowEnd && units_[rowEnd].Level == level))
            ++rowEnd;
        const CellRecord& row = *units_[rowEnd].Cell;
        if (table >= 0 && row.Table != table)
            break; // the next table follows directly
        if (table < 0) {
            table = row.Table;
            out_ += "<w:tbl>" + row.TblPr + row.TblGrid;
        }
        Row(k, rowEnd, level);
        k = rowEnd + 1;
        if (k < to && units_[k].Level < level)
            break;
    }
    out_ += "</w:tbl>";
    return k;
}

void StoryWriter::Row(size_t from, size_t rowEnd, int level)
{
    const CellRecord& row = *units_[rowEnd].Cell;
    out_ += "<w:tr>" + row.TblPrEx + row.TrPr;
    size_t cellStart = from;
    for (size_t m = from; m < rowEnd; ++m) {
        if (units_[m].Kind != UnitKind::CellEnd || units_[m].Level != level)
            continue;
        out_ += "<w:tc>" + units_[m].Cell->TcPr;
        Blocks(cellStart, m + 1, level);
        out_ += "</w:tc>";
        cellStart = m + 1;
    }
    if (cellStart < rowEnd) { // paragraphs after the last cell mark
        out_ += "<w:tc>";
        Blocks(cellStart, rowEnd, level);
        out_ += "</w:tc>";
    }
    out_ += "</w:tr>";
}

void StoryWriter::Paragraph(const Unit& unit)
{
    const CharAttr& mark = story_.Attrs[size_t(unit.Mark)];
    const ParagraphFormat& format = model_.ParaFormats[mark.Para];
    std::string section;
    if (main_ && format.Section >= 0 && size_t(format.Section) < sectionMark_.size() &&
        sectionMark_[size_t(format.Section)] == unit.Mark)
        section = SectionXml(format.Section);
    out_ += "<w:p>" + ParagraphProperties(format, RunPr(mark.Format), section);
    InlineContent(unit.Start, unit.Mark);
    out_ += "</w:p>";
}

void StoryWriter::FlushBlockMarkers(long position)
{
    while (nextBlockMarker_ < blockMarkers_.size() && blockMarkers_[nextBlockMarker_].first <= position)
        out_ += blockMarkers_[nextBlockMarker_++].second;
}

void StoryWriter::OpenBlockWrappers(long position, std::vector<long>& open)
{
    for (; nextBlockWrapper_ < blockWrappers_.size(); ++nextBlockWrapper_) {
        size_t i = blockWrappers_[nextBlockWrapper_];
        const MarkerRecord& marker = story_.Markers[i];
        if (marker.Where->Start > position)
            break;
        auto [head, close] = SplitAroundContent(marker.Xml);
        out_ += head + (ElementNameIs(marker.Xml, "w:sdt") ? "<w:sdtContent>" : "");
        open.push_back(long(i));
        if (marker.Where->Collapsed())
            CloseBlockWrappers(position, open);
    }
}

void StoryWriter::CloseBlockWrappers(long position, std::vector<long>& open)
{
    while (!open.empty() && story_.Markers[size_t(open.back())].Where->End <= position) {
        const std::string& xml = story_.Markers[size_t(open.back())].Xml;
        out_ += std::string(ElementNameIs(xml, "w:sdt") ? "</w:sdtContent>" : "") + SplitAroundContent(xml).second;
        open.pop_back();
    }
}

} // namespace lorivex::engine::docx
