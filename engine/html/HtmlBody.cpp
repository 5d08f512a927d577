// Paragraphs, tables and the positions where anchors open and close.
#include "engine/html/HtmlBody.h"

#include <algorithm>

namespace lorivex::engine::html {

HtmlBody::HtmlBody(const DocumentModel& model, const Story& story, const HtmlOptions& options, HtmlText& text,
                   HtmlStyleSheet& styles, HtmlPictures& pictures)
    : model_(model), story_(story), options_(options), text_(text), styles_(styles), pictures_(pictures)
{
}

std::string HtmlBody::Write()
{
    out_.reserve(size_t(story_.Length()) * 2 + 256);
    CollectEvents();
    const long length = story_.Length();
    for (long start = 0; start < length;) {
        long end = start;
        for (;;) {
            while (end < length - 1 && !IsParagraphEnd(story_.Text[size_t(end)]))
                ++end;
            if (!JoinsNext(end))
                break;
            ++end;
        }
        Paragraph(start, end);
        start = end + 1;
    }
    while (!tables_.empty())
        CloseTable();
    return std::move(out_);
}

void HtmlBody::CollectEvents()
{
    for (size_t i = 0; i < story_.Hyperlinks.size(); ++i) {
        const auto& where = *story_.Hyperlinks[i].Where;
        if (where.Collapsed())
            continue;
        events_.push_back({where.Start, 2, i});
        events_.push_back({where.End, 0, i});
    }
    for (size_t i = 0; i < story_.Bookmarks.size(); ++i)
        events_.push_back({story_.Bookmarks[i].Where->Start, 1, i});
    std::sort(events_.begin(), events_.end());
}

void HtmlBody::Events(long upTo)
{
    for (; nextEvent_ < events_.size() && events_[nextEvent_].Position <= upTo; ++nextEvent_) {
        const Event& event = events_[nextEvent_];
        long id = long(event.Index) + 1;
        if (event.Order == 0) {
            PopLink(id);
        } else if (event.Order == 2) {
            const auto& link = story_.Hyperlinks[event.Index];
            PushLink(Anchor(link.Address, link.SubAddress, link.Target, link.ScreenTip), id);
        } else if (inParagraph_ && codeDepth_ == 0) {
            // A name inside an open link would end the link in the browser.
            std::string name = text_.Encode(story_.Bookmarks[event.Index].Name);
            out_ += openAnchor_ ? "<span id=\"" + name + "\"></span>" : "<a name=\"" + name + "\"></a>";
        }
    }
}

// A hidden paragraph mark joins its paragraph to the next one, as Word shows
// it: the script block hidden at the end of a topic adds no empty paragraph.
// Table structure stays as it is.
bool HtmlBody::JoinsNext(long end) const
{
    if (options_.WordMarkup || end >= story_.Length() - 1 || story_.Text[size_t(end)] != Mark::Paragraph
        || !Hidden(end))
        return false;
    const CharAttr& mark = story_.Attrs[size_t(end)];
    if (mark.Ext && std::holds_alternative<CellRecord>(model_.Record(mark.Ext)))
        return false;
    long next = end + 1;
    while (next < story_.Length() - 1 && !IsParagraphEnd(story_.Text[size_t(next)]))
        ++next;
    const CharAttr& nextMark = story_.Attrs[size_t(next)];
    return story_.Text[size_t(next)] == Mark::Paragraph
        && model_.ParaFormats[nextMark.Para].TableDepth == model_.ParaFormats[mark.Para].TableDepth;
}

bool HtmlBody::Hidden(long i) const
{
    return model_.CharFormats[story_.Attrs[size_t(i)].Format].Hidden.value_or(false);
}

bool HtmlBody::Visible(long start, long end) const
{
    for (long i = start; i < end; ++i) {
        const CharAttr& attr = story_.Attrs[size_t(i)];
        if (!Hidden(i) || (attr.Ext && std::holds_alternative<HtmlBlockRecord>(model_.Record(attr.Ext))))
            return true;
    }
    return !Hidden(end);
}

void HtmlBody::Paragraph(long start, long end)
{
    const CharAttr& mark = story_.Attrs[size_t(end)];
    const CellRecord* cell = mark.Ext ? std::get_if<CellRecord>(&model_.Record(mark.Ext)) : nullptr;
    size_t depth = size_t(model_.ParaFormats[mark.Para].TableDepth);
    if (cell && depth == 0)
        depth = size_t(std::max(1, cell->Depth));
    if (cell && cell->RowEnd) {
        Events(end);
        while (tables_.size() > depth)
            CloseTable();
        if (!tables_.empty())
            CloseRow();
        return;
    }
    EnterTables(depth, start);
    if (!Visible(start, end) && !options_.WordMarkup) {
        // Hidden paragraphs still move the field and link state along.
        std::string kept;
        std::swap(kept, out_);
        ParagraphContent(start, end, {});
        std::swap(kept, out_);
    } else {
        const ParagraphFormat& format = model_.ParaFormats[mark.Para];
        ParagraphTag tag = styles_.TagFor(format.Style, model_.OutlineLevel(mark.Para));
        const ParagraphInfo& info = Info(mark.Para);
        CssMap css = info.Css;
        std::u16string label = ListLabel(info, css);
        if (!Visible(start, end))
            css["display"] = "none";
        out_ += "<" + tag.Element + (tag.Class.empty() ? "" : " class=\"" + tag.Class + "\"");
        out_ += css.empty() ? ">" : " style=\"" + CssText(css) + "\">";
        if (!label.empty())
            out_ += text_.Encode(label) + "&nbsp; ";
        ParagraphContent(start, end, "</" + tag.Element + ">\r\n");
    }
    if (cell)
        CloseCell();
}

void HtmlBody::ParagraphContent(long start, long end, const std::string& closeTag)
{
    inParagraph_ = true;
    content_ = false;
    SyncAnchor();
    for (long i = start; i < end; ++i)
        Character(i);
    Events(end);
    CloseRun();
    inParagraph_ = false;
    SyncAnchor();
    if (!content_)
        out_ += "&nbsp;";
    out_ += closeTag;
}

} // namespace lorivex::engine::html
