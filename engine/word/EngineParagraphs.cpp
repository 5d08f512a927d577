// Paragraphs: found from the story's cached paragraph ends, so that Item is a
// binary search and Next a scan of one paragraph; the compiler walks whole
// documents with Next.
#include <algorithm>

#include "engine/Engine.h"
#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

class EngineParagraph : public word::Paragraph, public std::enable_shared_from_this<EngineParagraph> {
public:
    EngineParagraph(StoryRef story, SpanPtr span) : story_(std::move(story)), span_(std::move(span)) {}

    word::RangePtr Range() override { return MakeRange(story_, span_->Start, span_->End); }

    long OutlineLevel() override
    {
        Story& story = story_.Get();
        long mark = span_->End - 1;
        if (mark < 0 || mark >= story.Length() || !IsParagraphEnd(story.Text[size_t(mark)]))
            return word::wdOutlineLevelBodyText;
        return story_.Model->OutlineLevel(story.Attrs[size_t(mark)].Para);
    }

    word::ParagraphPtr Next(long count) override
    {
        Story& story = story_.Get();
        long start = span_->End;
        for (long step = 0; step < count; ++step) {
            if (start >= story.Length())
                return nullptr;
            long end = start;
            while (end < story.Length() && !IsParagraphEnd(story.Text[size_t(end)]))
                ++end;
            if (end >= story.Length())
                return nullptr;
            if (step + 1 == count)
                return MakeParagraph(story_, start, end + 1);
            start = end + 1;
        }
        return shared_from_this();
    }

    word::ParagraphPtr Previous(long count) override
    {
        Story& story = story_.Get();
        long end = span_->Start;
        for (long step = 0; step < count; ++step) {
            if (end <= 0)
                return nullptr;
            long start = end - 1;
            while (start > 0 && !IsParagraphEnd(story.Text[size_t(start - 1)]))
                --start;
            if (step + 1 == count)
                return MakeParagraph(story_, start, end);
            end = start;
        }
        return shared_from_this();
    }

    std::u16string StyleName()
    {
        Story& story = story_.Get();
        long mark = span_->End - 1;
        if (mark < 0 || mark >= story.Length())
            return {};
        const auto& id = story_.Model->ParaFormats[story.Attrs[size_t(mark)].Para].Style;
        const StyleRecord* style =
            story_.Model->Styles.ById(id.empty() ? story_.Model->Styles.DefaultParagraphStyle() : id);
        return style ? StyleNameLocal(style->Name) : id;
    }

private:
    StoryRef story_;
    SpanPtr span_;
};

namespace {

class EngineParagraphs : public word::Paragraphs {
public:
    EngineParagraphs(StoryRef story, SpanPtr scope) : story_(std::move(story)), scope_(std::move(scope)) {}

    long Count() override
    {
        auto [first, last] = Bounds();
        return last < first ? 0 : long(last - first + 1);
    }

    word::ParagraphPtr Item(long index) override
    {
        auto [first, last] = Bounds();
        if (index < 1 || first + size_t(index - 1) > last || last < first)
            Raise(NoSuchMember);
        return At(first + size_t(index - 1));
    }

    word::ParagraphPtr First() override { return Item(1); }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<word::DispatchPtr> items;
        auto [first, last] = Bounds();
        for (size_t i = first; last >= first && i <= last; ++i)
            items.push_back(At(i));
        return EnumerateList(std::move(items));
    }

private:
    // Indexes into the story's paragraph ends of the first and the last
    // paragraph that the scope touches.
    std::pair<size_t, size_t> Bounds()
    {
        const auto& ends = story_.Get().ParagraphEnds();
        if (ends.empty())
            return {1, 0};
        auto first = size_t(std::lower_bound(ends.begin(), ends.end(), scope_->Start) - ends.begin());
        long lastPosition = std::max(scope_->Start, scope_->End - 1);
        auto last = size_t(std::lower_bound(ends.begin(), ends.end(), lastPosition) - ends.begin());
        if (first >= ends.size())
            return {1, 0};
        return {first, std::min(last, ends.size() - 1)};
    }

    word::ParagraphPtr At(size_t index)
    {
        const auto& ends = story_.Get().ParagraphEnds();
        long start = index == 0 ? 0 : ends[index - 1] + 1;
        return MakeParagraph(story_, start, ends[index] + 1);
    }

    StoryRef story_;
    SpanPtr scope_;
};

} // namespace

word::ParagraphPtr MakeParagraph(const StoryRef& story, long start, long end)
{
    return std::make_shared<EngineParagraph>(story, story.Get().Spans.Make(start, end));
}

word::ParagraphsPtr MakeParagraphs(const StoryRef& story, SpanPtr scope)
{
    return std::make_shared<EngineParagraphs>(story, std::move(scope));
}

} // namespace lorivex::engine::wordimpl

namespace lorivex::engine {

std::u16string ParagraphStyleName(const word::ParagraphPtr& paragraph)
{
    auto* own = dynamic_cast<wordimpl::EngineParagraph*>(paragraph.get());
    return own ? own->StyleName() : std::u16string();
}

} // namespace lorivex::engine
