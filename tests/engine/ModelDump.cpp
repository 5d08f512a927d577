// A text dump of the engine's model, so that two readings of a document can
// be compared as a whole and a difference shows where it is.
#include <sstream>

#include "engine/DocxFixtures.h"
#include "engine/Utf.h"

namespace lorivex::test {

namespace {

std::string Optional(const auto& value)
{
    std::ostringstream out;
    if (value)
        out << engine::Utf16ToUtf8(std::u16string() + *value);
    else
        out << "-";
    return out.str();
}

std::string Format(const engine::CharFormat& f)
{
    std::ostringstream out;
    out << "b=" << (f.Bold ? int(*f.Bold) : -1) << " i=" << (f.Italic ? int(*f.Italic) : -1)
        << " h=" << (f.Hidden ? int(*f.Hidden) : -1) << " sz=" << (f.Size ? *f.Size : -1) << " u=" << Optional(f.Underline)
        << " color=" << Optional(f.Color) << " font=" << Optional(f.Font) << " lang=" << Optional(f.Language)
        << " style=" << engine::Utf16ToUtf8(f.CharStyle) << " raw=" << f.Raw;
    return out.str();
}

std::string Para(const engine::ParagraphFormat& p)
{
    std::ostringstream out;
    out << "style=" << engine::Utf16ToUtf8(p.Style) << " lvl=" << (p.OutlineLvl ? *p.OutlineLvl : -1)
        << " sect=" << p.Section << " table=" << p.TableDepth << " raw=" << p.Raw;
    return out.str();
}

std::string Record(const engine::ExtRecord& record)
{
    if (auto* field = std::get_if<engine::FieldRecord>(&record))
        return "field data=" + engine::Utf16ToUtf8(field->Data) + " raw=" + field->RawBegin;
    if (auto* object = std::get_if<engine::ObjectRecord>(&record))
        return "object pic=" + std::to_string(object->Picture) + " part=" + object->PartName + " bytes=" +
               std::to_string(object->Bytes.size()) + " xml=" + object->Xml;
    if (auto* cell = std::get_if<engine::CellRecord>(&record))
        return "cell row=" + std::to_string(cell->RowEnd) + " tc=" + cell->TcPr + " tr=" + cell->TrPr +
               " tbl=" + cell->TblPr + cell->TblGrid;
    return "none";
}

void DumpStory(const engine::DocumentModel& model, const engine::Story& story, std::ostream& out)
{
    out << "story " << story.PartName << "\n";
    for (size_t i = 0; i < story.Text.size(); ++i) {
        const auto& attr = story.Attrs[i];
        out << i << " " << int(story.Text[i]) << " " << Format(model.CharFormats[attr.Format]);
        if (engine::IsParagraphEnd(story.Text[i]))
            out << " | " << Para(model.ParaFormats[attr.Para]);
        if (attr.Ext)
            out << " | " << Record(model.Record(attr.Ext));
        out << "\n";
    }
    for (const auto& b : story.Bookmarks)
        out << "bookmark " << engine::Utf16ToUtf8(b.Name) << " " << b.Where->Start << "-" << b.Where->End << " "
            << b.Raw << "\n";
    for (const auto& h : story.Hyperlinks)
        out << "link " << engine::Utf16ToUtf8(h.Address + u"|" + h.SubAddress + u"|" + h.Target + u"|" + h.ScreenTip)
            << " " << h.Where->Start << "-" << h.Where->End << " " << h.Raw << "\n";
    for (const auto& m : story.Markers)
        out << "marker " << m.Xml << " " << m.Wrapper << m.Block << " " << m.Where->Start << "-" << m.Where->End
            << "\n";
}

} // namespace

std::string DumpModel(const engine::DocumentModel& model)
{
    std::ostringstream out;
    for (const auto& story : model.Stories)
        DumpStory(model, *story, out);
    for (const auto& section : model.Sections) {
        out << "section " << section.Raw;
        for (const auto& h : section.Headers)
            out << " header " << engine::Utf16ToUtf8(h.Type) << h.Story;
        for (const auto& f : section.Footers)
            out << " footer " << engine::Utf16ToUtf8(f.Type) << f.Story;
        out << "\n";
    }
    for (const auto& style : model.Styles.All())
        out << "style " << style.Xml << "\n";
    for (const auto& property : model.Properties.Custom)
        out << "custom " << engine::Utf16ToUtf8(property.Name) << "="
            << (property.Value ? engine::Utf16ToUtf8(property.Value->ToText()) : "-") << "\n";
    return out.str();
}

} // namespace lorivex::test
