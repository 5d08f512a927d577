#include "ui/ComboBox.h"

namespace lorivex::ui {

TComboBox::TComboBox()
{
    Color = clWindow;
    Items.OnChange = [this] {
        if (itemIndex_ >= Items.Count())
            itemIndex_ = -1;
        Changed(ControlChange::Items);
    };
}

void TComboBox::SetSorted(bool sorted)
{
    // The selection follows its item, not its position.
    std::string selected = Text();
    bool hadSelection = itemIndex_ >= 0;
    Items.SetSorted(sorted);
    if (hadSelection)
        itemIndex_ = Items.IndexOf(selected);
}

void TComboBox::SetItemIndex(int index)
{
    itemIndex_ = index >= 0 && index < Items.Count() ? index : -1;
    Changed(ControlChange::State);
}

void TComboBox::Choose(int index)
{
    if (!Reachable() || index < 0 || index >= Items.Count())
        return;
    SetItemIndex(index);
    if (OnChange)
        OnChange(*this);
}

} // namespace lorivex::ui
