#include "engine/docx/StoryReader.h"

#include <cstring>

#include "base/Base64.h"
#include "engine/Utf.h"
#include "engine/docx/Xml.h"
#include "platform/CodePages.h"

namespace lorivex::engine::docx {

namespace {

bool Is(const pugi::xml_node& node, const char* name)
{
    return std::strcmp(node.name(), name) == 0;
}

// How many characters the story of this content can hold at most: an
// element makes at most three (a simple field's marks), its text at most a
// character per byte, and a simple field's instruction comes from an
// attribute.
size_t CharacterBound(const pugi::xml_node& container)
{
    size_t bound = 0;
    pugi::xml_node node = container.first_child();
    while (node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            bound += std::strlen(node.value());
        else if (node.type() == pugi::node_element) {
            bound += 3;
            if (Is(node, "w:fldSimple"))
                bound += std::strlen(node.attribute("w:instr").value());
        }
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != container && !node.next_sibling())
            node = node.parent();
        if (!node || node == container)
            break;
        node = node.next_sibling();
    }
    return bound;
}

} // namespace

StoryReader::StoryReader(DocumentModel& document, Story& story, PartContext context)
    : document_(document), story_(story), context_(std::move(context))
{
}

void StoryReader::Read(const pugi::xml_node& container)
{
    // The characters are laid down once where they stay: grown one at a
    // time, a long story's attributes would be copied at every doubling and,
    // at the last, held twice. Room never touched costs no memory.
    const size_t bound = story_.Text.size() + CharacterBound(container) + 1;
    story_.Text.reserve(bound);
    story_.Attrs.reserve(bound);
    Block(container, 0);
    // Bookmarks never closed end where the story ends.
    for (auto& [id, open] : openBookmarks_) {
        open.Record.Where = story_.Spans.Make(open.Start, Here());
        story_.Bookmarks.push_back(std::move(open.Record));
    }
    openBookmarks_.clear();
    if (story_.Text.empty() || story_.Text.back() != Mark::Paragraph)
        Append(Mark::Paragraph, 0, 0);
}

void StoryReader::Append(char16_t c, uint32_t format, uint32_t para, uint32_t ext)
{
    story_.Text += c;
    story_.Attrs.push_back({format, para, ext});
}

void StoryReader::Block(const pugi::xml_node& container, int depth)
{
    for (auto child : container.children()) {
        if (child.type() != pugi::node_element)
            continue;
        if (Is(child, "w:p"))
            Paragraph(child);
        else if (Is(child, "w:tbl"))
            Table(child, depth + 1);
        else if (Is(child, "w:sdt") || Is(child, "w:customXml"))
            Wrapper(child, Is(child, "w:sdt") ? child.child("w:sdtContent") : child, depth, true);
        else if (Is(child, "w:bookmarkStart"))
            BookmarkStart(child);
        else if (Is(child, "w:bookmarkEnd"))
            BookmarkEnd(child);
        else if (Is(child, "w:sectPr")) {
            if (context_.OnSection)
                context_.OnSection(child);
        } else if (Is(child, "w:tcPr") || Is(child, "w:sdtPr") || Is(child, "w:sdtEndPr") ||
                   Is(child, "w:customXmlPr"))
            continue; // read by the element that owns them
        else
            Marker(child, true);
    }
}

uint32_t StoryReader::CharFormatOf(const pugi::xml_node& rPr)
{
    CharFormat format;
    for (auto child : rPr.children()) {
        if (child.type() != pugi::node_element)
            continue;
        if (Is(child, "w:rStyle"))
            format.CharStyle = Attr(child, "w:val");
        else if (Is(child, "w:b"))
            format.Bold = OnOff(child);
        else if (Is(child, "w:i"))
            format.Italic = OnOff(child);
        else if (Is(child, "w:u"))
            format.Underline = Attr(child, "w:val");
        else if (Is(child, "w:color"))
            format.Color = Attr(child, "w:val");
        else if (Is(child, "w:rFonts") && HasAttr(child, "w:ascii")) {
            format.Font = Attr(child, "w:ascii");
            // The fonts of the other scripts are kept as written.
            pugi::xml_document copy;
            auto fonts = copy.append_copy(child);
            fonts.remove_attribute("w:ascii");
            if (fonts.first_attribute())
                format.Raw += Raw(fonts);
        }
        else if (Is(child, "w:sz"))
            format.Size = std::atoi(child.attribute("w:val").value());
        else if (Is(child, "w:vanish"))
            format.Hidden = OnOff(child);
        else if (Is(child, "w:lang") && HasAttr(child, "w:val")) {
            format.Language = Attr(child, "w:val");
            pugi::xml_document copy;
            auto lang = copy.append_copy(child);
            lang.remove_attribute("w:val");
            if (lang.first_attribute())
                format.Raw += Raw(lang);
        } else
            format.Raw += Raw(child);
    }
    return document_.CharFormats.Intern(format);
}

uint32_t StoryReader::ParaFormatOf(const pugi::xml_node& pPr, uint32_t& markFormat)
{
    ParagraphFormat format;
    markFormat = 0;
    for (auto child : pPr.children()) {
        if (child.type() != pugi::node_element)
            continue;
        if (Is(child, "w:pStyle"))
            format.Style = Attr(child, "w:val");
        else if (Is(child, "w:outlineLvl"))
            format.OutlineLvl = std::atoi(child.attribute("w:val").value());
        else if (Is(child, "w:sectPr"))
            format.Section = context_.OnSection ? context_.OnSection(child) : -1;
        else if (Is(child, "w:rPr")) {
            markFormat = CharFormatOf(child);
            format.MarkRunRaw = Raw(child);
        } else
            format.Raw += Raw(child);
    }
    format.TableDepth = tableDepth_;
    return document_.ParaFormats.Intern(format);
}

// A row without cells still ends in a paragraph of its table, so that the
// writer can tell where the table's rows begin.
uint32_t StoryReader::EmptyRowFormat()
{
    ParagraphFormat format;
    format.TableDepth = tableDepth_ + 1;
    return document_.ParaFormats.Intern(format);
}

void StoryReader::Paragraph(const pugi::xml_node& p)
{
    uint32_t markFormat = 0;
    uint32_t para = ParaFormatOf(p.child("w:pPr"), markFormat);
    Inline(p, 0);
    Append(Mark::Paragraph, markFormat, para);
}

void StoryReader::Inline(const pugi::xml_node& container, int depth)
{
    for (auto child : container.children()) {
        if (child.type() != pugi::node_element)
            continue;
        if (Is(child, "w:r"))
            Run(child);
        else if (Is(child, "w:hyperlink"))
            Hyperlink(child, depth);
        else if (Is(child, "w:fldSimple"))
            SimpleField(child, depth);
        else if (Is(child, "w:bookmarkStart"))
            BookmarkStart(child);
        else if (Is(child, "w:bookmarkEnd"))
            BookmarkEnd(child);
        else if (Is(child, "w:sdt"))
            Wrapper(child, child.child("w:sdtContent"), depth, false);
        else if (Is(child, "w:smartTag") || Is(child, "w:customXml") || Is(child, "w:ins") ||
                 Is(child, "w:moveTo") || Is(child, "w:dir") || Is(child, "w:bdo"))
            Wrapper(child, child, depth, false);
        else if (Is(child, "w:pPr") || Is(child, "w:sdtPr") || Is(child, "w:sdtEndPr") ||
                 Is(child, "w:smartTagPr") || Is(child, "w:customXmlPr"))
            continue;
        else
            Marker(child, false);
    }
}

void StoryReader::Run(const pugi::xml_node& r)
{
    uint32_t format = CharFormatOf(r.child("w:rPr"));
    for (auto child : r.children())
        if (child.type() == pugi::node_element && !Is(child, "w:rPr"))
            RunChild(child, format);
}

void StoryReader::RunChild(const pugi::xml_node& child, uint32_t format)
{
    if (Is(child, "w:t") || Is(child, "w:instrText")) {
        const size_t start = story_.Text.size();
        AppendUtf8AsUtf16(story_.Text, child.text().get());
        for (size_t i = start; i < story_.Text.size(); ++i)
            if (story_.Text[i] == u'\n' || story_.Text[i] == u'\r')
                story_.Text[i] = u' ';
        story_.Attrs.append(story_.Text.size() - start, {format, 0, 0});
    } else if (Is(child, "w:tab") || Is(child, "w:ptab")) {
        Append(Mark::Tab, format);
    } else if (Is(child, "w:br")) {
        auto type = Attr(child, "w:type");
        if (type == u"page")
            Append(Mark::PageBreak, format);
        else if (type == u"column")
            Append(Mark::ColumnBreak, format);
        else if (!HasAttr(child, "w:clear") && type.empty())
            Append(Mark::LineBreak, format);
        else
            Append(Mark::LineBreak, format, 0, Object(child));
    } else if (Is(child, "w:cr")) {
        Append(Mark::LineBreak, format);
    } else if (Is(child, "w:noBreakHyphen")) {
        Append(Mark::NonBreakingHyphen, format);
    } else if (Is(child, "w:softHyphen")) {
        Append(Mark::SoftHyphen, format);
    } else if (Is(child, "w:fldChar")) {
        auto type = Attr(child, "w:fldCharType");
        if (type == u"begin") {
            FieldRecord field;
            field.Data = Base64DecodeUtf16(child.child("w:fldData").child_value());
            pugi::xml_document copy;
            auto kept = copy.append_copy(child);
            kept.remove_attribute("w:fldCharType");
            // A plain begin mark keeps nothing, as a simple field's does.
            field.RawBegin = kept.first_attribute() || kept.first_child() ? Raw(kept) : std::string();
            fieldBegins_.push_back(Here());
            Append(Mark::FieldBegin, format, 0, document_.AddRecord(field));
        } else if (type == u"separate") {
            Append(Mark::FieldSeparator, format);
        } else if (type == u"end") {
            Append(Mark::FieldEnd, format);
            if (!fieldBegins_.empty()) {
                long begin = fieldBegins_.back();
                fieldBegins_.pop_back();
                HtmlBlock(begin);
            }
        }
    } else if (Is(child, "w:footnoteReference") || Is(child, "w:endnoteReference")) {
        Append(Mark::NoteReference, format, 0, Object(child));
    } else if (Is(child, "w:drawing") || Is(child, "w:pict") || Is(child, "w:object") ||
               Is(child, "mc:AlternateContent") || Is(child, "w:sym") || Is(child, "w:ruby")) {
        Append(Mark::Object, format, 0, Object(child));
    } else if (Is(child, "w:lastRenderedPageBreak") || Is(child, "w:delText") || Is(child, "w:delInstrText")) {
        // Layout hints and deleted text: nothing a reader of the text sees.
        if (!Is(child, "w:lastRenderedPageBreak"))
            Marker(child, false);
    } else {
        Marker(child, false);
    }
}

uint32_t StoryReader::Object(const pugi::xml_node& child)
{
    ObjectRecord object;
    object.Xml = Raw(child);
    auto blip = child.find_node([](const pugi::xml_node& n) { return Is(n, "a:blip"); });
    if (blip) {
        std::string id = blip.attribute("r:embed").value();
        if (id.empty())
            id = blip.attribute("r:link").value();
        auto rel = context_.Rels.find(id);
        if (rel != context_.Rels.end() && !rel->second.External && context_.Package->Has(rel->second.Target)) {
            object.Picture = true;
            object.PartName = rel->second.Target;
            object.Bytes = context_.Package->Read(object.PartName);
            object.ContentType = context_.Types->Of(object.PartName);
            document_.Parts[object.PartName] = object.Bytes;
        }
        auto extent = child.find_node([](const pugi::xml_node& n) { return Is(n, "wp:extent"); });
        object.Cx = extent.attribute("cx").as_llong();
        object.Cy = extent.attribute("cy").as_llong();
    }
    return document_.AddRecord(object);
}

// A field that keeps an HTML block becomes the block again: one object
// character in the field's place.
void StoryReader::HtmlBlock(long begin)
{
    const std::u16string_view code(HtmlBlockFieldCode);
    if (Here() - begin != long(code.size()) + 2 || story_.Text.compare(size_t(begin) + 1, code.size(), code) != 0)
        return;
    const CharAttr mark = story_.Attrs[size_t(begin)];
    auto* field = std::get_if<FieldRecord>(&document_.Record(mark.Ext));
    if (!field)
        return;
    HtmlBlockRecord block{platform::Utf16ToAnsi(field->Data), context_.PartName};
    story_.Text.resize(size_t(begin));
    story_.Attrs.resize(size_t(begin));
    Append(Mark::Object, mark.Format, 0, document_.AddRecord(block));
}

void StoryReader::Table(const pugi::xml_node& tbl, int depth)
{
    CellRecord table;
    table.Table = ++tables_ + depth * 100000;
    table.Depth = depth;
    table.TblPr = Raw(tbl.child("w:tblPr"));
    table.TblGrid = Raw(tbl.child("w:tblGrid"));
    for (auto child : tbl.children()) {
        if (Is(child, "w:tr"))
            Row(child, table, depth);
        else if (Is(child, "w:sdt") || Is(child, "w:customXml")) {
            // Rows wrapped in content controls: the rows are what matters.
            auto content = Is(child, "w:sdt") ? child.child("w:sdtContent") : child;
            for (auto row : content.children("w:tr"))
                Row(row, table, depth);
        } else if (Is(child, "w:bookmarkStart"))
            BookmarkStart(child);
        else if (Is(child, "w:bookmarkEnd"))
            BookmarkEnd(child);
    }
}

void StoryReader::Row(const pugi::xml_node& tr, const CellRecord& table, int depth)
{
    uint32_t lastPara = EmptyRowFormat();
    auto cell = [&](const pugi::xml_node& tc) {
        size_t before = story_.Text.size();
        ++tableDepth_;
        Block(tc, depth);
        if (story_.Text.size() == before || story_.Text.back() != Mark::Paragraph) {
            uint32_t ignored = 0;
            Append(Mark::Paragraph, 0, ParaFormatOf({}, ignored));
        }
        --tableDepth_;
        CellRecord record = table;
        record.TcPr = Raw(tc.child("w:tcPr"));
        // The cell's last paragraph mark is its end-of-cell mark in Word.
        story_.Text.back() = Mark::Cell;
        CharAttr mark = story_.Attrs.back();
        mark.Ext = document_.AddRecord(record);
        story_.Attrs.Set(story_.Attrs.size() - 1, mark);
        lastPara = mark.Para;
    };
    for (auto child : tr.children()) {
        if (Is(child, "w:tc"))
            cell(child);
        else if (Is(child, "w:sdt") || Is(child, "w:customXml")) {
            auto content = Is(child, "w:sdt") ? child.child("w:sdtContent") : child;
            for (auto tc : content.children("w:tc"))
                cell(tc);
        } else if (Is(child, "w:bookmarkStart"))
            BookmarkStart(child);
        else if (Is(child, "w:bookmarkEnd"))
            BookmarkEnd(child);
    }
    CellRecord row = table;
    row.RowEnd = true;
    row.TrPr = Raw(tr.child("w:trPr"));
    row.TblPrEx = Raw(tr.child("w:tblPrEx"));
    Append(Mark::Cell, 0, lastPara, document_.AddRecord(row));
}

void StoryReader::SimpleField(const pugi::xml_node& field, int depth)
{
    auto firstRun = field.child("w:r");
    uint32_t format = CharFormatOf(firstRun.child("w:rPr"));
    FieldRecord record;
    pugi::xml_document copy;
    auto kept = copy.append_child("w:fldChar");
    for (auto attribute : field.attributes())
        if (std::strcmp(attribute.name(), "w:instr") != 0)
            kept.append_attribute(attribute.name()) = attribute.value();
    record.RawBegin = kept.first_attribute() ? Raw(kept) : std::string();
    Append(Mark::FieldBegin, format, 0, document_.AddRecord(record));
    for (char16_t c : Attr(field, "w:instr"))
        Append(c, format);
    Append(Mark::FieldSeparator, format);
    Inline(field, depth + 1);
    Append(Mark::FieldEnd, format);
}

void StoryReader::Hyperlink(const pugi::xml_node& link, int depth)
{
    HyperlinkRecord record;
    std::string id = link.attribute("r:id").value();
    if (auto rel = context_.Rels.find(id); !id.empty() && rel != context_.Rels.end())
        record.Address = Utf8ToUtf16(rel->second.Target);
    record.SubAddress = Attr(link, "w:anchor");
    record.Target = Attr(link, "w:tgtFrame");
    record.ScreenTip = Attr(link, "w:tooltip");
    pugi::xml_document copy;
    auto kept = copy.append_child("w:hyperlink");
    for (auto attribute : link.attributes()) {
        std::string name = attribute.name();
        if (name != "r:id" && name != "w:anchor" && name != "w:tgtFrame" && name != "w:tooltip")
            kept.append_attribute(attribute.name()) = attribute.value();
    }
    record.Raw = kept.first_attribute() ? Raw(kept) : std::string();
    long start = Here();
    Inline(link, depth + 1);
    record.Where = story_.Spans.Make(start, Here());
    story_.Hyperlinks.push_back(std::move(record));
}

void StoryReader::Wrapper(const pugi::xml_node& element, const pugi::xml_node& content, int depth, bool block)
{
    MarkerRecord record;
    record.Wrapper = true;
    record.Block = block;
    // The wrapper keeps its properties; its content becomes story text.
    pugi::xml_document copy;
    auto kept = copy.append_child(element.name());
    for (auto attribute : element.attributes())
        kept.append_attribute(attribute.name()) = attribute.value();
    for (const char* part : {"w:sdtPr", "w:sdtEndPr", "w:smartTagPr", "w:customXmlPr"})
        if (auto properties = element.child(part))
            kept.append_copy(properties);
    record.Xml = Raw(kept);
    long start = Here();
    if (block)
        Block(content, depth + 1);
    else
        Inline(content, depth + 1);
    record.Where = story_.Spans.Make(start, Here());
    story_.Markers.push_back(std::move(record));
}

void StoryReader::Marker(const pugi::xml_node& element, bool block)
{
    MarkerRecord record;
    record.Xml = Raw(element);
    record.Block = block;
    record.Where = story_.Spans.Make(Here(), Here());
    story_.Markers.push_back(std::move(record));
}

void StoryReader::BookmarkStart(const pugi::xml_node& node)
{
    OpenBookmark open;
    open.Record.Name = Attr(node, "w:name");
    open.Start = Here();
    pugi::xml_document copy;
    auto kept = copy.append_child("w:bookmarkStart");
    for (auto attribute : node.attributes()) {
        std::string name = attribute.name();
        if (name != "w:id" && name != "w:name")
            kept.append_attribute(attribute.name()) = attribute.value();
    }
    open.Record.Raw = kept.first_attribute() ? Raw(kept) : std::string();
    openBookmarks_[Attr(node, "w:id")] = std::move(open);
}

void StoryReader::BookmarkEnd(const pugi::xml_node& node)
{
    auto it = openBookmarks_.find(Attr(node, "w:id"));
    if (it == openBookmarks_.end())
        return;
    it->second.Record.Where = story_.Spans.Make(it->second.Start, Here());
    // Word keeps one bookmark per name; a later duplicate is dropped.
    if (!document_.BookmarkNameTaken(it->second.Record.Name))
        story_.Bookmarks.push_back(std::move(it->second.Record));
    openBookmarks_.erase(it);
}

} // namespace lorivex::engine::docx
