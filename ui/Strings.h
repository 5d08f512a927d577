#pragma once
// The item lists of memos, list boxes, combo boxes and radio groups: text
// with an optional attached object, optionally kept sorted without regard to
// letter case. Whole-text access splits and joins at line ends the way the
// controls' Text properties do.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lorivex::ui {

class TStrings {
public:
    struct Item {
        std::string Text;
        std::shared_ptr<void> Object;
    };

    int Add(const std::string& text, std::shared_ptr<void> object = nullptr);
    void Insert(int index, const std::string& text, std::shared_ptr<void> object = nullptr);
    void Delete(int index);
    void Clear();
    int Count() const { return int(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(size_t(index)).Text; }
    void Set(int index, const std::string& text);
    const std::shared_ptr<void>& Objects(int index) const { return items_.at(size_t(index)).Object; }
    int IndexOf(const std::string& text) const; // ignores case; -1 when absent

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

    // Every item followed by CR LF. Setting splits at CR LF, CR or LF; a final
    // line end adds no empty item.
    std::string Text() const;
    void SetText(const std::string& text);

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Told after every change; the owning control refreshes itself.
    std::function<void()> OnChange;

private:
    void Changed();
    void SortIfSorted();
    std::vector<Item> items_;
    bool sorted_ = false;
};

} // namespace lorivex::ui
