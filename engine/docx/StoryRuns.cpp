// The inside of a paragraph: runs, field characters, inline objects, and
// the hyperlinks and inline wrappers around them.
#include <pugixml.hpp>

#include <algorithm>

#include "engine/Utf.h"
#include "engine/docx/FormatWriter.h"
#include "engine/docx/ObjectWriter.h"
#include "base/Base64.h"
#include "engine/docx/StoryWriter.h"

#include "engine/docx/Xml.h"
#include "engine/docx/XmlOut.h"
#include "platform/CodePages.h"

namespace lorivex::engine::docx {

namespace {

} // namespace

// Hyperlinks and inline wrappers, and block wrappers, sorted once so that
// every paragraph takes only its own.
void StoryWriter::BuildContainers()
{
    for (size_t i = 0; i < story_.Hyperlinks.size(); ++i) {
        const HyperlinkRecord& link = story_.Hyperlinks[i];
        std::string open = "<w:hyperlink";
        if (!link.Address.empty())
            open += " r:id=\"" + rels_.IdFor("hyperlink", Utf16ToUtf8(link.Address), true) + "\"";
        if (!link.SubAddress.empty())
            open += Attribute("w:anchor", link.SubAddress);
        if (!link.Target.empty())
            open += Attribute("w:tgtFrame", link.Target);
        if (!link.ScreenTip.empty())
            open += Attribute("w:tooltip", link.ScreenTip);
        open += (link.Raw.empty() ? "" : AttributesOf(link.Raw)) + ">";
        inlines_.push_back({{link.Where->Start, link.Where->End, open, "</w:hyperlink>"}, 0, i});
    }
    for (size_t i = 0; i < story_.Markers.size(); ++i) {
        const MarkerRecord& marker = story_.Markers[i];
        if (marker.Wrapper && marker.Block) {
            blockWrappers_.push_back(i);
        } else if (marker.Wrapper) {
            auto [head, close] = SplitAroundContent(marker.Xml);
            inlines_.push_back({{marker.Where->Start, marker.Where->End, head, close}, 1, i});
        }
    }
    std::stable_sort(inlines_.begin(), inlines_.end(),
                     [](const Inline& a, const Inline& b) { return a.Item.Start < b.Item.Start; });
    // Outer first: the longer span, or for equal spans the one read later.
    std::stable_sort(blockWrappers_.begin(), blockWrappers_.end(), [&](size_t a, size_t b) {
        const Span& x = *story_.Markers[a].Where;
        const Span& y = *story_.Markers[b].Where;
        return x.Start != y.Start ? x.Start < y.Start : x.End != y.End ? x.End > y.End : a > b;
    });
}

std::vector<StoryWriter::Container> StoryWriter::InlineContainers(long start, long mark)
{
    std::vector<Inline> found;
    for (auto& item : carried_)
        if (item.Item.End > start)
            found.push_back(std::move(item));
    for (; nextInline_ < inlines_.size() && inlines_[nextInline_].Item.Start <= mark; ++nextInline_)
        found.push_back(inlines_[nextInline_]);
    carried_.clear();
    for (const auto& item : found)
        if (item.Item.End > mark)
            carried_.push_back(item);
    for (auto& item : found) {
        item.Item.Start = std::max(item.Item.Start, start);
        item.Item.End = std::min(item.Item.End, mark);
    }
    std::stable_sort(found.begin(), found.end(), [](const Inline& a, const Inline& b) {
        if (a.Item.Start != b.Item.Start)
            return a.Item.Start < b.Item.Start;
        if (a.Item.End != b.Item.End)
            return a.Item.End > b.Item.End;
        return a.Rank != b.Rank ? a.Rank > b.Rank : a.Order > b.Order;
    });
    std::vector<Container> containers;
    for (auto& item : found)
        containers.push_back(std::move(item.Item));
    return containers;
}

void StoryWriter::InlineContent(long start, long mark)
{
    std::vector<Container> containers = InlineContainers(start, mark);
    std::vector<Container> open;
    size_t next = 0;
    auto close = [&](long position) {
        while (!open.empty() && open.back().End <= position) {
            FlushRun();
            out_ += open.back().Close;
            open.pop_back();
        }
    };
    for (long p = start; p <= mark; ++p) {
        close(p);
        FlushPoints(p);
        for (; next < containers.size() && containers[next].Start <= p; ++next) {
            FlushRun();
            Container item = containers[next];
            if (!open.empty())
                item.End = std::min(item.End, open.back().End);
            out_ += item.Open;
            open.push_back(std::move(item));
        }
        close(p);
        if (p < mark)
            Character(p);
    }
    FlushRun();
    close(LONG_MAX);
}

void StoryWriter::FlushPoints(long position)
{
    if (nextPoint_ < points_.size() && points_[nextPoint_].Position <= position)
        FlushRun();
    while (nextPoint_ < points_.size() && points_[nextPoint_].Position <= position)
        out_ += points_[nextPoint_++].Xml;
}

void StoryWriter::Character(long position)
{
    char16_t c = story_.Text[size_t(position)];
    const CharAttr& attr = story_.Attrs[size_t(position)];
    const ExtRecord* ext = attr.Ext ? &model_.Record(attr.Ext) : nullptr;
    auto* object = ext ? std::get_if<ObjectRecord>(ext) : nullptr;
    switch (c) {
    case Mark::FieldBegin:
        AddOwnRun(attr.Format, FieldBegin(attr.Ext));
        fields_.push_back(true);
        return;
    case Mark::FieldSeparator:
        AddOwnRun(attr.Format, "<w:fldChar w:fldCharType=\"separate\"/>");
        if (!fields_.empty())
            fields_.back() = false;
        return;
    case Mark::FieldEnd:
        AddOwnRun(attr.Format, "<w:fldChar w:fldCharType=\"end\"/>");
        if (!fields_.empty())
            fields_.pop_back();
        return;
    case Mark::Object:
    case Mark::NoteReference:
        if (object)
            AddPiece(attr.Format, ObjectXml(*object, state_, rels_));
        else if (auto* block = ext ? std::get_if<HtmlBlockRecord>(ext) : nullptr)
            HtmlBlock(attr.Format, *block);
        return;
    case Mark::Tab: AddPiece(attr.Format, "<w:tab/>"); return;
    case Mark::LineBreak: AddPiece(attr.Format, object ? object->Xml : "<w:br/>"); return;
    case Mark::PageBreak: AddPiece(attr.Format, "<w:br w:type=\"page\"/>"); return;
    case Mark::ColumnBreak: AddPiece(attr.Format, "<w:br w:type=\"column\"/>"); return;
    case Mark::NonBreakingHyphen: AddPiece(attr.Format, "<w:noBreakHyphen/>"); return;
    case Mark::SoftHyphen: AddPiece(attr.Format, "<w:softHyphen/>"); return;
    default:
        if (c >= 0x20)
            AddText(attr.Format, c);
    }
}

// The begin mark keeps what it was read with (w:dirty, w:fldLock ...), and
// carries the field's data as Word writes it.
std::string StoryWriter::FieldBegin(uint32_t ext) const
{
    const FieldRecord* field = ext ? std::get_if<FieldRecord>(&model_.Record(ext)) : nullptr;
    std::string attributes, children;
    if (field && !field->RawBegin.empty()) {
        pugi::xml_document xml;
        if (xml.load_string(field->RawBegin.c_str())) {
            auto element = xml.document_element();
            attributes = AttributesOf(RawOpenTag(element));
            for (auto child : element.children())
                if (child.type() == pugi::node_element && std::string(child.name()) != "w:fldData")
                    children += Raw(child);
        }
    }
    if (field && !field->Data.empty())
        children = "<w:fldData xml:space=\"preserve\">" + Base64EncodeUtf16(field->Data) + "</w:fldData>" + children;
    std::string open = "<w:fldChar w:fldCharType=\"begin\"" + attributes;
    return children.empty() ? open + "/>" : open + ">" + children + "</w:fldChar>";
}

void StoryWriter::HtmlBlock(uint32_t format, const HtmlBlockRecord& block)
{
    AddOwnRun(format, "<w:fldChar w:fldCharType=\"begin\"><w:fldData xml:space=\"preserve\">" +
                          Base64EncodeUtf16(platform::AnsiToUtf16(block.Bytes)) + "</w:fldData></w:fldChar>");
    AddOwnRun(format, "<w:instrText xml:space=\"preserve\">" + Utf16ToUtf8(HtmlBlockFieldCode) + "</w:instrText>");
    AddOwnRun(format, "<w:fldChar w:fldCharType=\"end\"/>");
}

const std::string& StoryWriter::RunPr(uint32_t format)
{
    if (runPr_.size() <= format)
        runPr_.resize(format + 1);
    if (!runPr_[format])
        runPr_[format] = RunProperties(model_.CharFormats[format]);
    return *runPr_[format];
}

void StoryWriter::AddText(uint32_t format, char16_t c)
{
    if (!runXml_.empty() || !runText_.empty())
        if (format != runFormat_ || InCode() != runCode_)
            FlushRun();
    runFormat_ = format;
    runCode_ = InCode();
    runText_ += c;
}

void StoryWriter::AddPiece(uint32_t format, const std::string& xml)
{
    if (xml.empty())
        return;
    if ((!runXml_.empty() || !runText_.empty()) && format != runFormat_)
        FlushRun();
    FlushText();
    runFormat_ = format;
    runCode_ = InCode();
    runXml_ += xml;
}

void StoryWriter::AddOwnRun(uint32_t format, const std::string& xml)
{
    FlushRun();
    out_ += "<w:r>" + RunPr(format) + xml + "</w:r>";
}

void StoryWriter::FlushText()
{
    if (runText_.empty())
        return;
    const char* tag = runCode_ ? "w:instrText" : "w:t";
    runXml_ += std::string("<") + tag + " xml:space=\"preserve\">" + EscapeText(runText_) + "</" + tag + ">";
    runText_.clear();
}

void StoryWriter::FlushRun()
{
    FlushText();
    if (runXml_.empty())
        return;
    out_ += "<w:r>" + RunPr(runFormat_) + runXml_ + "</w:r>";
    runXml_.clear();
}

} // namespace lorivex::engine::docx
