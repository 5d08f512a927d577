#include "engine/docx/StoryWriter.h"

#include <algorithm>

#include "engine/Utf.h"
#include "engine/docx/FormatWriter.h"
#include "engine/docx/ObjectWriter.h"
#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

bool IsRunContent(const std::string& rawElement)
{
    static const char* const names[] = {
        "w:commentReference", "w:footnoteRef", "w:endnoteRef", "w:separator", "w:continuationSeparator",
        "w:annotationRef", "w:delText", "w:delInstrText", "w:dayShort", "w:monthShort", "w:yearShort",
        "w:dayLong", "w:monthLong", "w:yearLong", "w:pgNum", "w:contentPart", "w:t", "w:instrText",
    };
    std::string name = ElementName(rawElement);
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

StoryWriter::StoryWriter(WriteState& state, const Story& story, PartRelationships& rels)
    : state_(state), model_(state.Model), story_(story), rels_(rels),
      main_(!model_.Stories.empty() && model_.Stories[0].get() == &story)
{
}

std::string StoryWriter::Write()
{
    BuildUnits();
    BuildPoints();
    BuildSections();
    BuildContainers();
    size_t done = Blocks(0, units_.size(), 0);
    (void)done;
    FlushBlockMarkers(story_.Length());
    FlushPoints(story_.Length());
    if (main_ && !model_.Sections.empty()) {
        int last = int(model_.Sections.size() - 1);
        if (sectionMark_[size_t(last)] < 0)
            out_ += SectionXml(last);
    }
    return std::move(out_);
}

void StoryWriter::BuildUnits()
{
    long start = 0;
    for (long i = 0; i < story_.Length(); ++i) {
        char16_t c = story_.Text[size_t(i)];
        if (!IsParagraphEnd(c))
            continue;
        const CharAttr& attr = story_.Attrs[size_t(i)];
        Unit unit{start, i, model_.ParaFormats[attr.Para].TableDepth, UnitKind::Paragraph, nullptr};
        if (c == Mark::Cell && attr.Ext)
            if (auto* cell = std::get_if<CellRecord>(&model_.Record(attr.Ext))) {
                unit.Cell = cell;
                unit.Kind = cell->RowEnd ? UnitKind::RowEnd : UnitKind::CellEnd;
            }
        units_.push_back(unit);
        start = i + 1;
    }
}

void StoryWriter::BuildPoints()
{
    size_t order = 0;
    for (const auto& bookmark : story_.Bookmarks) {
        std::string id = std::to_string(state_.NextBookmarkId++);
        std::string raw = bookmark.Raw.empty() ? std::string() : AttributesOf(bookmark.Raw);
        long start = bookmark.Where->Start, end = bookmark.Where->End;
        points_.push_back({start, 2, order++,
                           "<w:bookmarkStart w:id=\"" + id + "\"" + Attribute("w:name", bookmark.Name) + raw + "/>"});
        points_.push_back({end, start == end ? 2 : 0, order++, "<w:bookmarkEnd w:id=\"" + id + "\"/>"});
    }
    for (const auto& marker : story_.Markers) {
        if (marker.Wrapper)
            continue;
        if (marker.Block)
            blockMarkers_.emplace_back(marker.Where->Start, marker.Xml);
        else
            points_.push_back({marker.Where->Start, 1, order++,
                               IsRunContent(marker.Xml) ? "<w:r>" + marker.Xml + "</w:r>" : marker.Xml});
    }
    std::stable_sort(points_.begin(), points_.end(), [](const Point& a, const Point& b) {
        return a.Position != b.Position ? a.Position < b.Position
                                        : a.Rank != b.Rank ? a.Rank < b.Rank : a.Order < b.Order;
    });
    std::stable_sort(blockMarkers_.begin(), blockMarkers_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

// A section break stays with the last paragraph that carries it, so that
// paragraphs typed before it do not repeat it.
void StoryWriter::BuildSections()
{
    sectionMark_.assign(model_.Sections.size(), -1);
    if (!main_)
        return;
    for (const auto& unit : units_) {
        int section = model_.ParaFormats[story_.Attrs[size_t(unit.Mark)].Para].Section;
        if (section >= 0 && size_t(section) < sectionMark_.size())
            sectionMark_[size_t(section)] = unit.Mark;
    }
}

std::string StoryWriter::SectionXml(int section)
{
    const SectionRecord& record = model_.Sections[size_t(section)];
    std::string references;
    for (const auto* list : {&record.Headers, &record.Footers}) {
        bool header = list == &record.Headers;
        for (const auto& reference : *list) {
            const Story& story = *model_.Stories.at(size_t(reference.Story));
            if (story.PartName.empty())
                continue;
            references += std::string(header ? "<w:headerReference" : "<w:footerReference") +
                          Attribute("w:type", reference.Type) + " r:id=\"" +
                          rels_.IdFor(header ? "header" : "footer", story.PartName, false) + "\"/>";
        }
    }
    if (record.Raw.empty())
        return "<w:sectPr>" + references +
               "<w:pgSz w:w=\"12240\" w:h=\"15840\"/><w:pgMar w:top=\"1440\" w:right=\"1440\" w:bottom=\"1440\" "
               "w:left=\"1440\" w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/></w:sectPr>";
    auto [open, close] = SplitAroundContent(record.Raw);
    size_t tagEnd = open.find('>') + 1;
    return open.substr(0, tagEnd) + references + open.substr(tagEnd) + close;
}

} // namespace lorivex::engine::docx
