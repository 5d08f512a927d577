// Bookmarks and Bookmark. A bookmark object finds its record again through
// the record's span, which nothing else shares.
#include <algorithm>

#include "engine/Utf.h"
#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

namespace {

bool Hidden(const BookmarkRecord& bookmark)
{
    return !bookmark.Name.empty() && bookmark.Name[0] == u'_';
}

bool ValidName(const std::u16string& name)
{
    if (name.empty() || name.size() > 40)
        return false;
    return std::all_of(name.begin(), name.end(), [](char16_t c) {
        return c == u'_' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
               c > 127;
    });
}

class EngineBookmark : public word::Bookmark {
public:
    EngineBookmark(StoryRef story, SpanPtr where) : story_(std::move(story)), where_(std::move(where)) {}

    std::u16string Name() override { return Record().Name; }
    word::RangePtr Range() override { return MakeRange(story_, where_->Start, where_->End); }

private:
    BookmarkRecord& Record()
    {
        for (auto& bookmark : story_.Get().Bookmarks)
            if (bookmark.Where == where_)
                return bookmark;
        Raise("The object has been deleted.");
    }

    StoryRef story_;
    SpanPtr where_;
};

class EngineBookmarks : public word::Bookmarks {
public:
    EngineBookmarks(StoryRef story, SpanPtr scope, bool wholeDocument)
        : story_(std::move(story)), scope_(std::move(scope)), wholeDocument_(wholeDocument)
    {
    }

    bool ShowHidden() override { return story_.Model->ShowHiddenBookmarks; }
    void SetShowHidden(bool show) override { story_.Model->ShowHiddenBookmarks = show; }
    long Count() override { return long(List().size()); }

    word::BookmarkPtr Item(long index) override
    {
        auto list = List();
        if (index < 1 || index > long(list.size()))
            Raise(NoSuchMember);
        return Make(*list[size_t(index - 1)]);
    }

    word::BookmarkPtr Item(const std::u16string& name) override
    {
        if (auto* bookmark = Find(name))
            return Make(*bookmark);
        Raise(NoSuchMember);
    }

    bool Exists(const std::u16string& name) override { return Find(name) != nullptr; }

    word::BookmarkPtr Add(const std::u16string& name, const word::RangePtr& range) override
    {
        if (!ValidName(name))
            Raise("Bad bookmark name.");
        EngineRange& where = Own(range);
        DocumentModel& model = *where.StoryOf().Model;
        // Adding under a name in use moves that bookmark.
        for (auto& story : model.Stories)
            if (std::erase_if(story->Bookmarks, [&](const BookmarkRecord& b) { return SameTextW(b.Name, name); }))
                ++story->Version;
        Story& story = where.StoryOf().Get();
        BookmarkRecord record;
        record.Name = name;
        record.Where = story.Spans.Make(where.Start(), where.End());
        story.Bookmarks.push_back(record);
        ++story.Version;
        return std::make_shared<EngineBookmark>(where.StoryOf(), record.Where);
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<word::DispatchPtr> items;
        for (auto* bookmark : List())
            items.push_back(Make(*bookmark));
        return EnumerateList(std::move(items));
    }

private:
    word::BookmarkPtr Make(const BookmarkRecord& bookmark)
    {
        return std::make_shared<EngineBookmark>(story_, bookmark.Where);
    }

    BookmarkRecord* Find(const std::u16string& name)
    {
        Story& story = story_.Get();
        if (const auto* named = story.BookmarksNamed(name))
            for (uint32_t i : *named)
                if (Inside(story.Bookmarks[i]))
                    return &story.Bookmarks[i];
        return nullptr;
    }

    bool Inside(const BookmarkRecord& bookmark) const
    {
        return wholeDocument_ || (bookmark.Where->Start >= scope_->Start && bookmark.Where->End <= scope_->End);
    }

    // The document's bookmarks come sorted by name, a range's by position,
    // as Word lists them.
    std::vector<BookmarkRecord*> List()
    {
        std::vector<BookmarkRecord*> list;
        for (auto& bookmark : story_.Get().Bookmarks)
            if (Inside(bookmark) && (story_.Model->ShowHiddenBookmarks || !Hidden(bookmark)))
                list.push_back(&bookmark);
        if (wholeDocument_)
            std::stable_sort(list.begin(), list.end(),
                             [](auto* a, auto* b) { return LowerW(a->Name) < LowerW(b->Name); });
        else
            std::stable_sort(list.begin(), list.end(), [](auto* a, auto* b) {
                return a->Where->Start != b->Where->Start ? a->Where->Start < b->Where->Start
                                                          : a->Where->End < b->Where->End;
            });
        return list;
    }

    StoryRef story_;
    SpanPtr scope_;
    bool wholeDocument_;
};

} // namespace

word::BookmarksPtr MakeBookmarks(const StoryRef& story, SpanPtr scope, bool wholeDocument)
{
    return std::make_shared<EngineBookmarks>(story, std::move(scope), wholeDocument);
}

} // namespace lorivex::engine::wordimpl
