#pragma once
// A drop-down list: the person picks one of the items and cannot type.
#include "ui/Control.h"
#include "ui/Strings.h"

namespace lorivex::ui {

class TComboBox : public TControl {
public:
    TComboBox();
    TStrings Items; // each item may carry an object
    bool Sorted() const { return Items.Sorted(); }
    void SetSorted(bool sorted);
    int ItemIndex() const { return itemIndex_; }
    // Selecting by program does not run OnChange, as on Windows.
    void SetItemIndex(int index);
    std::string Text() const { return itemIndex_ < 0 ? std::string() : Items[itemIndex_]; }
    // A person picks an item: it becomes the selected one and OnChange runs.
    void Choose(int index);
    TNotifyEvent OnChange;

private:
    int itemIndex_ = -1;
};

} // namespace lorivex::ui
