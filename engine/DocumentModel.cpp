#include "engine/DocumentModel.h"

#include <algorithm>

#include "engine/Utf.h"
#include "platform/Locale.h"

namespace lorivex::engine {

DocumentModel::DocumentModel()
{
    records_.emplace_back();
    auto main = std::make_unique<Story>();
    main->Text = u"\r";
    main->Attrs.push_back({});
    Stories.push_back(std::move(main));
    Sections.emplace_back();
}

int DocumentModel::StoryIndex(const Story& story) const
{
    for (size_t i = 0; i < Stories.size(); ++i)
        if (Stories[i].get() == &story)
            return int(i);
    return -1;
}

uint32_t DocumentModel::AddRecord(ExtRecord record)
{
    records_.push_back(std::move(record));
    return uint32_t(records_.size() - 1);
}

bool DocumentModel::BookmarkNameTaken(std::u16string_view name) const
{
    RefreshBookmarkNames();
    return bookmarkNames_.count(LowerW(name)) > 0;
}

void DocumentModel::RefreshBookmarkNames() const
{
    // Only added bookmarks leave a story's version alone; anything else
    // (an edit, a deletion) rebuilds the names from scratch.
    bool rebuild = bookmarksSeen_.size() != Stories.size();
    for (size_t i = 0; !rebuild && i < Stories.size(); ++i)
        rebuild = bookmarksSeen_[i].Version != Stories[i]->Version || bookmarksSeen_[i].Count > Stories[i]->Bookmarks.size();
    if (rebuild) {
        bookmarkNames_.clear();
        bookmarksSeen_.assign(Stories.size(), SeenBookmarks{});
    }
    for (size_t i = 0; i < Stories.size(); ++i) {
        const auto& bookmarks = Stories[i]->Bookmarks;
        for (size_t j = bookmarksSeen_[i].Count; j < bookmarks.size(); ++j)
            bookmarkNames_.insert(LowerW(bookmarks[j].Name));
        bookmarksSeen_[i] = {Stories[i]->Version, bookmarks.size()};
    }
}

Fragment DocumentModel::Extract(const Story& story, long start, long end) const
{
    Fragment fragment;
    fragment.Source = this;
    start = std::clamp(start, 0L, story.Length());
    end = std::clamp(end, start, story.Length());
    fragment.Text = story.Text.substr(size_t(start), size_t(end - start));
    fragment.Attrs = story.Attrs.Slice(size_t(start), size_t(end));
    fragment.Records.emplace_back();
    for (auto& attr : fragment.Attrs) {
        if (attr.Ext) {
            fragment.Records.push_back(records_.at(attr.Ext));
            attr.Ext = uint32_t(fragment.Records.size() - 1);
        }
    }
    for (uint32_t i : AnchorsWithin(story.Bookmarks, story.Version, story.BookmarkOrder, start, end)) {
        const auto& bookmark = story.Bookmarks[i];
        fragment.Bookmarks.push_back({{bookmark.Where->Start - start, bookmark.Where->End - start}, bookmark});
    }
    for (uint32_t i : AnchorsWithin(story.Hyperlinks, story.Version, story.HyperlinkOrder, start, end)) {
        const auto& link = story.Hyperlinks[i];
        fragment.Hyperlinks.push_back({{link.Where->Start - start, link.Where->End - start}, link});
    }
    for (uint32_t i : AnchorsWithin(story.Markers, story.Version, story.MarkerOrder, start, end)) {
        const auto& marker = story.Markers[i];
        fragment.Markers.push_back({{marker.Where->Start - start, marker.Where->End - start}, marker});
    }
    return fragment;
}

Fragment DocumentModel::TextFragment(const Story& story, long position, const std::u16string& text) const
{
    Fragment fragment;
    fragment.Source = this;
    fragment.Records.emplace_back();
    CharAttr attr;
    // Typed text continues the formatting before it, except at the start of
    // a paragraph, where it takes that of the paragraph's first character.
    if (position > 0 && position <= story.Length() && !IsParagraphEnd(story.Text[size_t(position - 1)]))
        attr.Format = story.Attrs[size_t(position - 1)].Format;
    else if (position < story.Length())
        attr.Format = story.Attrs[size_t(position)].Format;
    uint32_t para = 0;
    for (long i = std::max(0L, position); i < story.Length(); ++i)
        if (IsParagraphEnd(story.Text[size_t(i)])) {
            para = story.Attrs[size_t(i)].Para;
            break;
        }
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        if (c == u'\n')
            c = u'\r';
        CharAttr a = attr;
        a.Para = c == u'\r' ? para : 0;
        fragment.Text += c;
        fragment.Attrs.push_back(a);
    }
    return fragment;
}

void DocumentModel::BringStyle(const DocumentModel& source, const std::u16string& id)
{
    // Word brings the definition of a style along with text that uses it
    // when the destination lacks it, with the styles it is based on.
    std::u16string next = id;
    for (int hops = 0; hops < 64 && !next.empty() && !Styles.ById(next); ++hops) {
        const StyleRecord* style = source.Styles.ById(next);
        if (!style)
            return;
        Styles.Put(*style);
        next = style->BasedOn;
    }
}

uint32_t DocumentModel::MapCharFormat(const DocumentModel& source, uint32_t index)
{
    const CharFormat& format = source.CharFormats[index];
    if (!format.CharStyle.empty())
        BringStyle(source, format.CharStyle);
    return CharFormats.Intern(format);
}

uint32_t DocumentModel::MapParaFormat(const DocumentModel& source, uint32_t index)
{
    ParagraphFormat format = source.ParaFormats[index];
    // Section breaks stay where they are; a copy is ordinary text.
    format.Section = -1;
    if (!format.Style.empty())
        BringStyle(source, format.Style);
    return ParaFormats.Intern(format);
}

namespace {

constexpr char NumberingPart[] = "word/numbering.xml";

} // namespace

void DocumentModel::Insert(Story& story, long position, const Fragment& fragment)
{
    position = std::clamp(position, 0L, story.Length());
    const long count = long(fragment.Text.size());
    std::vector<CharAttr> attrs = fragment.Attrs;
    const DocumentModel& source = fragment.Source ? *fragment.Source : *this;
    std::map<uint32_t, uint32_t> charMap, paraMap;
    for (auto& attr : attrs) {
        if (&source != this || fragment.Source == nullptr) {
            auto [c, newChar] = charMap.try_emplace(attr.Format, 0);
            if (newChar)
                c->second = MapCharFormat(source, attr.Format);
            attr.Format = c->second;
        }
        if (attr.Para) {
            auto [p, newPara] = paraMap.try_emplace(attr.Para, 0);
            if (newPara)
                p->second = &source == this && ParaFormats[attr.Para].Section < 0 ? attr.Para
                                                                                  : MapParaFormat(source, attr.Para);
            attr.Para = p->second;
        }
        if (attr.Ext)
            attr.Ext = AddRecord(fragment.Records.at(attr.Ext));
    }
    // Lists keep their numbers in their new document: Word brings the list
    // definitions along with the text that uses them.
    if (&source != this) {
        auto numbering = source.Parts.find(NumberingPart);
        if (numbering != source.Parts.end() && !Parts.count(NumberingPart))
            Parts.emplace(NumberingPart, numbering->second);
    }
    story.Text.insert(size_t(position), fragment.Text);
    story.Attrs.Insert(size_t(position), attrs);
    story.Spans.Inserted(position, count);
    ++story.Version;

    for (const auto& bookmark : fragment.Bookmarks) {
        if (BookmarkNameTaken(bookmark.Record.Name))
            continue;
        BookmarkRecord record = bookmark.Record;
        record.Where = story.Spans.Make(position + bookmark.Start, position + bookmark.End);
        story.Bookmarks.push_back(std::move(record));
    }
    for (const auto& link : fragment.Hyperlinks) {
        HyperlinkRecord record = link.Record;
        record.Where = story.Spans.Make(position + link.Start, position + link.End);
        story.Hyperlinks.push_back(std::move(record));
    }
    for (const auto& marker : fragment.Markers) {
        MarkerRecord record = marker.Record;
        record.Where = story.Spans.Make(position + marker.Start, position + marker.End);
        story.Markers.push_back(std::move(record));
    }
}

void DocumentModel::Delete(Story& story, long start, long end)
{
    start = std::clamp(start, 0L, story.Length());
    end = std::clamp(end, start, story.Length());
    if (start == end)
        return;
    // What lay wholly inside the deleted text goes with it; a collapsed
    // anchor on the edge stays.
    auto gone = [&](const SpanPtr& where) {
        return where->Start >= start && where->End <= end && !(where->Collapsed() && (where->Start == start ||
                                                                                       where->Start == end));
    };
    std::erase_if(story.Bookmarks, [&](const auto& b) { return gone(b.Where); });
    std::erase_if(story.Hyperlinks, [&](const auto& h) { return gone(h.Where); });
    std::erase_if(story.Markers, [&](const auto& m) { return gone(m.Where); });
    story.Text.erase(size_t(start), size_t(end - start));
    story.Attrs.Erase(size_t(start), size_t(end));
    story.Spans.Deleted(start, end);
    ++story.Version;
}

long DocumentModel::InsertionPoint(const Story& story, long position) const
{
    position = std::clamp(position, 0L, story.Length());
    if (position == story.Length() && position > 0 && story.Text.back() == u'\r')
        return position - 1;
    return position;
}

Span DocumentModel::Replace(Story& story, long start, long end, const Fragment& fragment)
{
    start = std::clamp(start, 0L, story.Length());
    end = std::clamp(end, start, story.Length());
    const bool finalMark = story.Length() > 0 && story.Text.back() == u'\r';
    const bool takesFinalMark = finalMark && end == story.Length();
    if (takesFinalMark && !fragment.Text.empty() && fragment.Text.back() == u'\r' && start < end) {
        // The copy's own last paragraph mark takes over the final one, so
        // replacing a whole story with paragraphs adds no empty paragraph.
        Delete(story, start, end - 1);
        Fragment body = fragment;
        CharAttr last = body.Attrs.back();
        body.Text.pop_back();
        body.Attrs.pop_back();
        Insert(story, start, body);
        CharAttr mark = story.Attrs.back();
        const DocumentModel& source = fragment.Source ? *fragment.Source : *this;
        mark.Format = &source == this ? last.Format : MapCharFormat(source, last.Format);
        mark.Para = &source == this ? last.Para : MapParaFormat(source, last.Para);
        story.Attrs.Set(story.Attrs.size() - 1, mark);
        return {start, story.Length()};
    }
    if (takesFinalMark)
        end = story.Length() - 1;
    if (start > end)
        start = end;
    // Ranges around replaced text keep the text that takes its place.
    auto enclosing = start < end ? story.Spans.Enclosing(start, end) : std::vector<std::pair<SpanPtr, Span>>{};
    Delete(story, start, end);
    Insert(story, start, fragment);
    const long count = long(fragment.Text.size());
    for (auto& [span, before] : enclosing)
        *span = {before.Start, start + count + (before.End - end)};
    return {start, start + count};
}

int DocumentModel::OutlineLevel(uint32_t paraFormat) const
{
    if (outlineCacheVersion_ != Styles.Version()) {
        outlineCache_.clear();
        outlineCacheVersion_ = Styles.Version();
    }
    if (paraFormat < outlineCache_.size() && outlineCache_[paraFormat] != 0)
        return outlineCache_[paraFormat];
    const ParagraphFormat& format = ParaFormats[paraFormat];
    int level;
    if (format.OutlineLvl)
        level = *format.OutlineLvl >= 0 && *format.OutlineLvl <= 8 ? *format.OutlineLvl + 1 : 10;
    else
        level = Styles.OutlineLevel(format.Style);
    if (outlineCache_.size() <= paraFormat)
        outlineCache_.resize(paraFormat + 1, 0);
    outlineCache_[paraFormat] = int8_t(level);
    return level;
}

long DocumentModel::LanguageOf(uint32_t charFormat) const
{
    const CharFormat& format = CharFormats[charFormat];
    if (format.Language)
        return LanguageIdFromTag(*format.Language);
    if (!Styles.DefaultLanguage.empty())
        return LanguageIdFromTag(Styles.DefaultLanguage);
    // A document that names no language is in the author's own.
    return long(platform::UserDefaultLangId());
}

} // namespace lorivex::engine
