// The fake Word's ranges, bookmarks and links.
#include "tests/word/FakeWord.h"

namespace lorivex::test::fakeword {

namespace {

template <class Item>
class ListOf : public word::Enumerator {
public:
    explicit ListOf(std::vector<std::shared_ptr<Item>> items) : items_(std::move(items)) {}
    word::DispatchPtr Next() override { return next_ < items_.size() ? items_[next_++] : nullptr; }

private:
    std::vector<std::shared_ptr<Item>> items_;
    std::size_t next_ = 0;
};

class FakeBookmark : public word::Bookmark {
public:
    FakeBookmark(std::shared_ptr<DocumentData> data, std::u16string name) : data_(std::move(data)), name_(std::move(name)) {}
    std::u16string Name() override { return name_; }
    word::RangePtr Range() override
    {
        auto span = data_->bookmarks.at(name_);
        return MakeRange(data_, span.start, span.end);
    }

private:
    std::shared_ptr<DocumentData> data_;
    std::u16string name_;
};

class FakeBookmarks : public word::Bookmarks {
public:
    explicit FakeBookmarks(std::shared_ptr<DocumentData> data) : data_(std::move(data)) {}
    bool ShowHidden() override { return showHidden_; }
    void SetShowHidden(bool show) override { showHidden_ = show; }
    long Count() override { return static_cast<long>(All().size()); }
    word::BookmarkPtr Item(long index) override
    {
        auto all = All();
        if (index < 1 || index > static_cast<long>(all.size()))
            throw word::EWordError("The requested member of the collection does not exist.");
        return all[index - 1];
    }
    word::BookmarkPtr Item(const std::u16string& name) override
    {
        if (!Exists(name))
            throw word::EWordError("The requested member of the collection does not exist.");
        return std::make_shared<FakeBookmark>(data_, name);
    }
    bool Exists(const std::u16string& name) override { return data_->bookmarks.count(name) > 0; }
    word::BookmarkPtr Add(const std::u16string& name, const word::RangePtr& range) override
    {
        if (name.empty() || name.find(u' ') != std::u16string::npos)
            throw word::EWordError("Bookmark name is not valid.");
        data_->bookmarks[name] = {range->Start(), range->End()};
        return std::make_shared<FakeBookmark>(data_, name);
    }
    std::unique_ptr<word::Enumerator> NewEnum() override { return std::make_unique<ListOf<FakeBookmark>>(All()); }

private:
    std::vector<std::shared_ptr<FakeBookmark>> All()
    {
        std::vector<std::shared_ptr<FakeBookmark>> all;
        for (auto& [name, span] : data_->bookmarks)
            if (showHidden_ || name[0] != u'_')
                all.push_back(std::make_shared<FakeBookmark>(data_, name));
        return all;
    }
    std::shared_ptr<DocumentData> data_;
    bool showHidden_ = false;
};

class FakeHyperlink : public word::Hyperlink {
public:
    FakeHyperlink(std::shared_ptr<DocumentData> data, std::size_t index) : data_(std::move(data)), index_(index) {}
    std::u16string Address() override { return Link().address; }
    void SetAddress(const std::u16string& address) override { Link().address = address; }
    std::u16string SubAddress() override { return Link().subAddress; }
    void SetSubAddress(const std::u16string& subAddress) override { Link().subAddress = subAddress; }
    std::u16string Target() override { return Link().target; }
    void SetTarget(const std::u16string& target) override { Link().target = target; }
    std::u16string ScreenTip() override { return Link().screenTip; }
    std::u16string TextToDisplay() override { return Link().textToDisplay; }
    word::RangePtr Range() override { return MakeRange(data_, Link().anchor.start, Link().anchor.end); }

private:
    DocumentData::Link& Link() { return data_->links.at(index_); }
    std::shared_ptr<DocumentData> data_;
    std::size_t index_;
};

class FakeHyperlinks : public word::Hyperlinks {
public:
    explicit FakeHyperlinks(std::shared_ptr<DocumentData> data) : data_(std::move(data)) {}
    long Count() override { return static_cast<long>(data_->links.size()); }
    word::HyperlinkPtr Item(long index) override
    {
        if (index < 1 || index > Count())
            throw word::EWordError("The requested member of the collection does not exist.");
        return std::make_shared<FakeHyperlink>(data_, index - 1);
    }
    // Left-out arguments are recorded as "(none)", so that a test tells them
    // from empty ones.
    word::HyperlinkPtr Add(const word::RangePtr& anchor, const std::optional<std::u16string>& address,
                           const std::optional<std::u16string>& subAddress,
                           const std::optional<std::u16string>& screenTip,
                           const std::optional<std::u16string>& textToDisplay,
                           const std::optional<std::u16string>& target) override
    {
        auto given = [](const std::optional<std::u16string>& v) { return v ? *v : u"(none)"; };
        data_->links.push_back({{anchor->Start(), anchor->End()}, given(address), given(subAddress), given(screenTip),
                                given(textToDisplay), given(target)});
        return std::make_shared<FakeHyperlink>(data_, data_->links.size() - 1);
    }
    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<std::shared_ptr<FakeHyperlink>> all;
        for (std::size_t i = 0; i < data_->links.size(); ++i)
            all.push_back(std::make_shared<FakeHyperlink>(data_, i));
        return std::make_unique<ListOf<FakeHyperlink>>(all);
    }

private:
    std::shared_ptr<DocumentData> data_;
};

class FakeRange : public word::Range {
public:
    FakeRange(std::shared_ptr<DocumentData> data, long start, long end) : data_(std::move(data)), start_(start), end_(end)
    {
        Check(start, end);
    }
    std::u16string Text() override { return data_->text.substr(start_, end_ - start_); }
    word::TextRetrievalModePtr TextRetrievalMode() override { NotModelled("TextRetrievalMode"); }
    void SetText(const std::u16string& text) override
    {
        data_->text.replace(start_, end_ - start_, text);
        end_ = start_ + static_cast<long>(text.size());
    }
    long Start() override { return start_; }
    long End() override { return end_; }
    void SetStart(long position) override { SetRange(position, std::max(position, end_)); }
    void SetEnd(long position) override { SetRange(std::min(start_, position), position); }
    void SetRange(long start, long end) override
    {
        Check(start, end);
        start_ = start;
        end_ = end;
    }
    word::RangePtr Duplicate() override { return MakeRange(data_, start_, end_); }
    word::DocumentPtr Document() override { return MakeDocument(data_); }
    word::RangePtr FormattedText() override { return Duplicate(); }
    void SetFormattedText(const word::RangePtr& source) override { SetText(source->Text()); }
    long LanguageID() override { return word::wdLanguageNone; }
    void SetLanguageID(long) override {}
    word::FieldsPtr Fields() override { NotModelled("Fields"); }
    word::BookmarksPtr Bookmarks() override { return std::make_shared<FakeBookmarks>(data_); }
    word::HyperlinksPtr Hyperlinks() override { return std::make_shared<FakeHyperlinks>(data_); }
    word::ParagraphsPtr Paragraphs() override { NotModelled("Paragraphs"); }
    word::FontPtr Font() override { NotModelled("Font"); }
    word::InlineShapesPtr InlineShapes() override { NotModelled("InlineShapes"); }
    word::FindPtr Find() override { NotModelled("Find"); }
    void SetStyle(word::BuiltinStyle) override { NotModelled("Style"); }
    void InsertBefore(const std::u16string& text) override
    {
        data_->text.insert(start_, text);
        end_ += static_cast<long>(text.size());
    }
    void InsertAfter(const std::u16string& text) override
    {
        data_->text.insert(end_, text);
        end_ += static_cast<long>(text.size());
    }
    void InsertParagraphAfter() override { InsertAfter(u"\r"); }
    void InsertFile(const std::u16string&) override { NotModelled("InsertFile"); }
    long Delete(word::Units, long count) override
    {
        if (start_ == end_)
            end_ = std::min<long>(start_ + count, static_cast<long>(data_->text.size()));
        long deleted = end_ - start_;
        data_->text.erase(start_, deleted);
        end_ = start_;
        return deleted;
    }

private:
    void Check(long start, long end)
    {
        if (start < 0 || start > end || end > static_cast<long>(data_->text.size()))
            throw word::EWordError("The specified range is not valid.");
    }
    std::shared_ptr<DocumentData> data_;
    long start_, end_;
};

} // namespace

word::RangePtr MakeRange(std::shared_ptr<DocumentData> data, long start, long end)
{
    return std::make_shared<FakeRange>(std::move(data), start, end);
}

} // namespace lorivex::test::fakeword
