#include "engine/word/EngineRange.h"

#include <algorithm>

#include "engine/word/EngineDocument.h"
#include "platform/CaseFolding.h"

namespace lorivex::engine::wordimpl {

void Raise(const std::string& message)
{
    throw word::EWordError(message);
}

void NotImplementedYet(const std::string& member)
{
    throw word::EWordError("not implemented yet: " + member);
}

EngineRange& Own(const word::RangePtr& range)
{
    auto* own = dynamic_cast<EngineRange*>(range.get());
    if (!own)
        Raise("The range does not belong to a document of this application.");
    return *own;
}

word::RangePtr MakeRange(const StoryRef& story, long start, long end)
{
    long length = story.Get().Length();
    start = std::clamp(start, 0L, length);
    end = std::clamp(end, start, length);
    return std::make_shared<EngineRange>(story, story.Get().Spans.Make(start, end));
}

namespace {

// How many fields are open at a position, so that their separators and end
// marks inside a range are known as theirs. A range that starts inside a
// field's code shows that code: the reader asked for it. Fields of headings
// and body text lie in one paragraph, so the look back stops at the
// paragraph's start.
size_t OpenFieldsAt(Story& story, long position)
{
    const auto& ends = story.ParagraphEnds();
    auto before = std::lower_bound(ends.begin(), ends.end(), position);
    long from = before == ends.begin() ? 0 : *std::prev(before) + 1;
    size_t open = 0;
    for (long i = from; i < position; ++i) {
        char16_t c = story.Text[size_t(i)];
        if (c == Mark::FieldBegin)
            ++open;
        else if (c == Mark::FieldEnd && open > 0)
            --open;
    }
    return open;
}

class EngineTextRetrievalMode : public word::TextRetrievalMode {
public:
    EngineTextRetrievalMode(StoryRef story, std::shared_ptr<TextMode> mode)
        : story_(std::move(story)), mode_(std::move(mode)) {}
    bool IncludeFieldCodes() override { return mode_->FieldCodes.value_or(ViewOption(&WindowState::ShowFieldCodes)); }
    void SetIncludeFieldCodes(bool include) override { mode_->FieldCodes = include; }
    bool IncludeHiddenText() override { return mode_->HiddenText.value_or(ViewOption(&WindowState::ShowHiddenText)); }
    void SetIncludeHiddenText(bool include) override { mode_->HiddenText = include; }

private:
    bool ViewOption(bool WindowState::*option) const
    {
        auto owner = story_.Owner.lock();
        return owner ? (*owner->WindowOf()).*option : false;
    }
    StoryRef story_;
    std::shared_ptr<TextMode> mode_;
};

} // namespace

std::u16string WordText(const StoryRef& storyRef, long start, long end, bool fieldCodes, bool hiddenText)
{
    Story& story = storyRef.Get();
    const auto& formats = storyRef.Model->CharFormats;
    // Per open field, innermost last: whether the text is still in its code.
    std::vector<bool> inCode;
    if (!fieldCodes)
        inCode.assign(OpenFieldsAt(story, start), false);
    long codeDepth = 0;
    std::u16string text;
    text.reserve(size_t(end - start));
    for (long i = start; i < end; ++i) {
        char16_t c = story.Text[size_t(i)];
        if (!fieldCodes) {
            if (c == Mark::FieldBegin) {
                inCode.push_back(true);
                ++codeDepth;
                continue;
            }
            if ((c == Mark::FieldSeparator || c == Mark::FieldEnd) && !inCode.empty()) {
                codeDepth -= inCode.back() ? 1 : 0;
                if (c == Mark::FieldSeparator)
                    inCode.back() = false;
                else
                    inCode.pop_back();
                continue;
            }
            if (codeDepth > 0)
                continue;
        }
        if (!hiddenText && formats[story.Attrs[size_t(i)].Format].Hidden.value_or(false))
            continue;
        if (c == Mark::Cell)
            text += u'\r';
        text += c;
    }
    return text;
}

void Reformat(const StoryRef& storyRef, long start, long end, const std::function<void(CharFormat&)>& change)
{
    // A page of thousands of characters has a handful of formats: each is
    // changed and interned once, not once per character.
    Story& story = storyRef.Get();
    auto& formats = storyRef.Model->CharFormats;
    std::vector<uint32_t> changed(formats.Size(), UINT32_MAX);
    for (long i = std::max(0L, start); i < std::min(end, story.Length()); ++i) {
        CharAttr attr = story.Attrs[size_t(i)];
        if (changed[attr.Format] == UINT32_MAX) {
            CharFormat copy = formats[attr.Format];
            change(copy);
            changed[attr.Format] = formats.Intern(copy);
        }
        attr.Format = changed[attr.Format];
        story.Attrs.Set(size_t(i), attr);
    }
    ++story.Version;
}

long EngineRange::Clamp(long position) const
{
    return std::clamp(position, 0L, story_.Get().Length());
}

std::u16string EngineRange::Text()
{
    auto mode = TextRetrievalMode();
    return WordText(story_, span_->Start, span_->End, mode->IncludeFieldCodes(), mode->IncludeHiddenText());
}

word::FindPtr EngineRange::Find()
{
    class EngineFind : public word::Find {
    public:
        EngineFind(StoryRef story, SpanPtr span) : story_(std::move(story)), span_(std::move(span)) {}
        bool Execute(const std::u16string& findText, bool matchCase) override
        {
            if (findText.empty())
                return false;
            const std::u16string& text = story_.Get().Text;
            auto same = [&](char16_t a, char16_t b) {
                return matchCase ? a == b : platform::UpperChar16(a) == platform::UpperChar16(b);
            };
            auto from = text.begin() + span_->Start, to = text.begin() + span_->End;
            auto found = std::search(from, to, findText.begin(), findText.end(), same);
            if (found == to)
                return false;
            long start = long(found - text.begin());
            *span_ = {start, start + long(findText.size())};
            return true;
        }

    private:
        StoryRef story_;
        SpanPtr span_;
    };
    return std::make_shared<EngineFind>(story_, span_);
}

word::TextRetrievalModePtr EngineRange::TextRetrievalMode()
{
    return std::make_shared<EngineTextRetrievalMode>(story_, mode_);
}

void EngineRange::SetText(const std::u16string& text)
{
    Story& story = story_.Get();
    auto fragment = story_.Model->TextFragment(story, span_->Start, text);
    Span placed = story_.Model->Replace(story, span_->Start, span_->End, fragment);
    *span_ = placed;
}

void EngineRange::SetStart(long position)
{
    span_->Start = Clamp(position);
    span_->End = std::max(span_->End, span_->Start);
}

void EngineRange::SetEnd(long position)
{
    span_->End = Clamp(position);
    span_->Start = std::min(span_->Start, span_->End);
}

void EngineRange::SetRange(long start, long end)
{
    start = Clamp(start);
    end = Clamp(end);
    if (start > end)
        std::swap(start, end);
    *span_ = {start, end};
}

word::RangePtr EngineRange::Duplicate()
{
    return std::make_shared<EngineRange>(story_, story_.Get().Spans.Make(span_->Start, span_->End), *mode_);
}

word::DocumentPtr EngineRange::Document()
{
    auto owner = story_.Owner.lock();
    if (!owner)
        Raise("The object has been deleted.");
    return owner;
}

void EngineRange::SetFormattedText(const word::RangePtr& source)
{
    EngineRange& from = Own(source);
    // Taken out first: the source may overlap the text being replaced.
    SetFormattedTextFrom(from.story_.Model->Extract(from.story_.Get(), from.span_->Start, from.span_->End));
}

void EngineRange::SetFormattedTextFrom(const Fragment& fragment)
{
    *span_ = story_.Model->Replace(story_.Get(), span_->Start, span_->End, fragment);
}

long EngineRange::LanguageID()
{
    Story& story = story_.Get();
    long start = span_->Start, end = std::max(span_->End, std::min(span_->Start + 1, story.Length()));
    std::optional<long> language;
    uint32_t lastFormat = UINT32_MAX;
    for (long i = start; i < end; ++i) {
        uint32_t format = story.Attrs[size_t(i)].Format;
        if (format == lastFormat)
            continue;
        lastFormat = format;
        long id = story_.Model->LanguageOf(format);
        if (language && *language != id)
            return word::wdUndefined;
        language = id;
    }
    return language.value_or(story_.Model->LanguageOf(0));
}

void EngineRange::SetLanguageID(long id)
{
    std::u16string tag = LanguageTagFromId(id);
    if (tag.empty() && id != 0)
        Raise("The language id " + std::to_string(id) + " is not known.");
    Reformat(story_, span_->Start, span_->End, [&](CharFormat& format) { format.Language = tag; });
}

void EngineRange::SetStyle(word::BuiltinStyle style)
{
    if (style != word::wdStyleNormal)
        Raise("The style " + std::to_string(long(style)) + " is not known.");
    // Normal is the document's default paragraph style, and it leaves the
    // paragraph body text: no style id and no outline level of its own.
    Story& story = story_.Get();
    for (long i = span_->Start; i < story.Length(); ++i) {
        if (!IsParagraphEnd(story.Text[size_t(i)]))
            continue;
        ParagraphFormat format = story_.Model->ParaFormats[story.Attrs[size_t(i)].Para];
        format.Style.clear();
        format.OutlineLvl.reset();
        CharAttr mark = story.Attrs[size_t(i)];
        mark.Para = story_.Model->ParaFormats.Intern(format);
        story.Attrs.Set(size_t(i), mark);
        if (i >= span_->End - 1)
            break;
    }
    ++story.Version;
}

void EngineRange::InsertBefore(const std::u16string& text)
{
    Story& story = story_.Get();
    long at = span_->Start, oldEnd = span_->End;
    auto fragment = story_.Model->TextFragment(story, at, text);
    story_.Model->Insert(story, at, fragment);
    *span_ = {at, oldEnd + long(fragment.Text.size())};
}

void EngineRange::InsertAfter(const std::u16string& text)
{
    Story& story = story_.Get();
    long oldStart = span_->Start, oldEnd = span_->End;
    long at = story_.Model->InsertionPoint(story, oldEnd);
    auto fragment = story_.Model->TextFragment(story, at, text);
    story_.Model->Insert(story, at, fragment);
    *span_ = {std::min(oldStart, at), oldEnd + long(fragment.Text.size())};
}

long EngineRange::Delete(word::Units unit, long count)
{
    if (unit != word::wdCharacter)
        Raise("Range.Delete supports the character unit only.");
    Story& story = story_.Get();
    long start = span_->Start, end = span_->End;
    if (start == end)
        end = std::min(story.Length(), start + std::max(0L, count));
    // The story's final paragraph mark cannot be deleted.
    if (end == story.Length() && story.Text.back() == Mark::Paragraph)
        end = std::max(start, end - 1);
    if (start == end)
        return 0;
    bool collapsed = span_->Collapsed();
    story_.Model->Delete(story, start, end);
    return collapsed ? end - start : 1;
}

// Font ----------------------------------------------------------------------

namespace {

class EngineFont : public word::Font {
public:
    EngineFont(StoryRef story, SpanPtr span) : story_(std::move(story)), span_(std::move(span)) {}

    long Hidden() override
    {
        Story& story = story_.Get();
        long start = span_->Start, end = std::max(span_->End, std::min(span_->Start + 1, story.Length()));
        bool anyHidden = false, anyShown = false;
        for (long i = start; i < end; ++i)
            (story_.Model->CharFormats[story.Attrs[size_t(i)].Format].Hidden.value_or(false) ? anyHidden
                                                                                              : anyShown) = true;
        if (anyHidden && anyShown)
            return word::wdUndefined;
        return anyHidden ? -1 : 0;
    }

    void SetHidden(long hidden) override
    {
        Reformat(story_, span_->Start, span_->End, [&](CharFormat& format) { format.Hidden = hidden != 0; });
    }

private:
    StoryRef story_;
    SpanPtr span_;
};

} // namespace

word::FontPtr MakeFont(const StoryRef& story, SpanPtr span)
{
    return std::make_shared<EngineFont>(story, std::move(span));
}


std::unique_ptr<word::Enumerator> EnumerateList(std::vector<word::DispatchPtr> items)
{
    class ListEnumerator : public word::Enumerator {
    public:
        explicit ListEnumerator(std::vector<word::DispatchPtr> items) : items_(std::move(items)) {}
        word::DispatchPtr Next() override { return next_ < items_.size() ? items_[next_++] : nullptr; }

    private:
        std::vector<word::DispatchPtr> items_;
        size_t next_ = 0;
    };
    return std::make_unique<ListEnumerator>(std::move(items));
}

} // namespace lorivex::engine::wordimpl
