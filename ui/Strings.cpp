#include "ui/Strings.h"

#include <algorithm>

#include "platform/CaseFolding.h"

namespace lorivex::ui {

namespace {

int CompareNoCase(const std::string& a, const std::string& b)
{
    return platform::AnsiCompareText(a, b);
}

} // namespace

int TStrings::Add(const std::string& text, std::shared_ptr<void> object)
{
    auto at = items_.end();
    if (sorted_)
        at = std::upper_bound(items_.begin(), items_.end(), text,
                              [](const std::string& t, const Item& item) { return CompareNoCase(t, item.Text) < 0; });
    at = items_.insert(at, Item{text, std::move(object)});
    Changed();
    return int(at - items_.begin());
}

void TStrings::Insert(int index, const std::string& text, std::shared_ptr<void> object)
{
    if (sorted_) {
        Add(text, std::move(object));
        return;
    }
    items_.insert(items_.begin() + std::clamp(index, 0, Count()), Item{text, std::move(object)});
    Changed();
}

void TStrings::Delete(int index)
{
    items_.erase(items_.begin() + index);
    Changed();
}

void TStrings::Clear()
{
    items_.clear();
    Changed();
}

void TStrings::Set(int index, const std::string& text)
{
    items_.at(size_t(index)).Text = text;
    SortIfSorted();
    Changed();
}

int TStrings::IndexOf(const std::string& text) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (CompareNoCase(items_[i].Text, text) == 0)
            return int(i);
    return -1;
}

void TStrings::SetSorted(bool sorted)
{
    sorted_ = sorted;
    SortIfSorted();
    Changed();
}

void TStrings::SortIfSorted()
{
    if (sorted_)
        std::stable_sort(items_.begin(), items_.end(),
                         [](const Item& a, const Item& b) { return CompareNoCase(a.Text, b.Text) < 0; });
}

std::string TStrings::Text() const
{
    std::string text;
    for (const auto& item : items_)
        text += item.Text + "\r\n";
    return text;
}

void TStrings::SetText(const std::string& text)
{
    items_.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        items_.push_back(Item{text.substr(start, end - start), nullptr});
        start = end;
        if (start < text.size() && text[start] == '\r')
            ++start;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    SortIfSorted();
    Changed();
}

void TStrings::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace lorivex::ui
