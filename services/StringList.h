#pragma once
// An ordered list of strings, each with an integer tag and an optional
// attached object; optionally kept sorted, with a rule for duplicates. The
// lists of the system (pieces of a split, recent files with their kind,
// index entries with their records) are all of this kind.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lorivex {

class TStringList {
public:
    enum class Duplicates { Accept, Ignore, Error };

    struct Item {
        std::string Text;
        std::intptr_t Tag = 0;
        std::shared_ptr<void> Object;
    };

    bool CaseSensitive = false;
    Duplicates DuplicatesRule = Duplicates::Accept;

    // Returns the index of the new item (or of the existing one when a
    // duplicate is ignored); a duplicate under Duplicates::Error raises.
    int Add(const std::string& text, std::intptr_t tag = 0, std::shared_ptr<void> object = nullptr);
    void Clear() { items_.clear(); }
    void Delete(int index);
    int Count() const { return int(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const std::string& operator[](int index) const { return items_.at(size_t(index)).Text; }
    const Item& Items(int index) const { return items_.at(size_t(index)); }
    Item& Items(int index) { return items_.at(size_t(index)); }
    int IndexOf(const std::string& text) const; // -1 when absent

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted); // sorting an unsorted list sorts it now
    void Sort();

    // Every item followed by CR LF; setting splits at CR, LF or CR LF, with no
    // empty last item for a final line break.
    std::string Text() const;
    void SetText(const std::string& text);

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    int Compare(const std::string& a, const std::string& b) const;
    std::vector<Item> items_;
    bool sorted_ = false;
};

// Comparison without regard to case (every letter of the ANSI code page),
// as names, paths and keys of the system are compared.
bool SameText(const std::string& a, const std::string& b);
int CompareText(const std::string& a, const std::string& b);
std::string UpperCase(std::string text);
std::string LowerCase(std::string text);
// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(const std::string& text);

} // namespace lorivex
