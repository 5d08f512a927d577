// Word's Bookmarks and Bookmark.
#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"

namespace lorivex::word::com {

namespace {

class ComBookmark : public Bound, public Bookmark {
public:
    using Bound::Bound;
    std::u16string Name() override { return GetText(L"Name"); }
    RangePtr Range() override { return WrapRange(o_.Child(L"Range", L"Range")); }
};

class ComBookmarks : public Bound, public Bookmarks {
public:
    using Bound::Bound;
    bool ShowHidden() override { return GetBool(L"ShowHidden"); }
    void SetShowHidden(bool show) override { Set(L"ShowHidden", show); }
    long Count() override { return GetLong(L"Count"); }
    BookmarkPtr Item(long index) override { return WrapBookmark(o_.CallChild(L"Item", L"Bookmark", {index})); }
    BookmarkPtr Item(const std::u16string& name) override
    {
        return WrapBookmark(o_.CallChild(L"Item", L"Bookmark", {name}));
    }
    bool Exists(const std::u16string& name) override { return o_.Call(L"Exists", {name}).Bool(); }
    BookmarkPtr Add(const std::u16string& name, const RangePtr& range) override
    {
        return WrapBookmark(o_.CallChild(L"Add", L"Bookmark", {Named(L"Name", name), Named(L"Range", WordObjectOf(range))}));
    }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"Bookmark", [](AutoObject item) { return WrapBookmark(std::move(item)); });
    }
};

} // namespace

BookmarksPtr WrapBookmarks(AutoObject object) { return WrapAs<ComBookmarks, Bookmarks>(std::move(object)); }
BookmarkPtr WrapBookmark(AutoObject object) { return WrapAs<ComBookmark, Bookmark>(std::move(object)); }

} // namespace lorivex::word::com
