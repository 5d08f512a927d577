#include "services/StringList.h"

#include <algorithm>

#include "base/Exception.h"
#include "platform/CaseFolding.h"

namespace lorivex {

int CompareText(const std::string& a, const std::string& b)
{
    return platform::AnsiCompareText(a, b);
}

bool SameText(const std::string& a, const std::string& b)
{
    return platform::AnsiSameText(a, b);
}

std::string UpperCase(std::string text)
{
    return platform::AnsiUpperCase(std::move(text));
}

std::string LowerCase(std::string text)
{
    return platform::AnsiLowerCase(std::move(text));
}

std::string Trim(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return text.substr(first, last - first);
}

int TStringList::Compare(const std::string& a, const std::string& b) const
{
    return CaseSensitive ? a.compare(b) : CompareText(a, b);
}

int TStringList::IndexOf(const std::string& text) const
{
    if (sorted_) {
        auto it = std::lower_bound(items_.begin(), items_.end(), text,
                                   [this](const Item& item, const std::string& t) { return Compare(item.Text, t) < 0; });
        if (it != items_.end() && Compare(it->Text, text) == 0)
            return int(it - items_.begin());
        return -1;
    }
    for (size_t i = 0; i < items_.size(); ++i)
        if (Compare(items_[i].Text, text) == 0)
            return int(i);
    return -1;
}

int TStringList::Add(const std::string& text, std::intptr_t tag, std::shared_ptr<void> object)
{
    if (DuplicatesRule != Duplicates::Accept) {
        int existing = IndexOf(text);
        if (existing >= 0) {
            if (DuplicatesRule == Duplicates::Error)
                throw Exception("String list does not allow duplicates");
            return existing;
        }
    }
    Item item{text, tag, std::move(object)};
    if (!sorted_) {
        items_.push_back(std::move(item));
        return int(items_.size()) - 1;
    }
    auto at = std::upper_bound(items_.begin(), items_.end(), text,
                               [this](const std::string& t, const Item& other) { return Compare(t, other.Text) < 0; });
    at = items_.insert(at, std::move(item));
    return int(at - items_.begin());
}

void TStringList::Delete(int index)
{
    items_.erase(items_.begin() + index);
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted && !sorted_)
        Sort();
    sorted_ = sorted;
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return Compare(a.Text, b.Text) < 0; });
}

std::string TStringList::Text() const
{
    std::string text;
    for (const auto& item : items_)
        text += item.Text + "\r\n";
    return text;
}

void TStringList::SetText(const std::string& text)
{
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            Add(text.substr(start));
            break;
        }
        Add(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

} // namespace lorivex
