#include "ui/ListBox.h"

#include <algorithm>

namespace lorivex::ui {

TListBox::TListBox()
{
    Color = clWindow;
    Items.OnChange = [this] {
        if (itemIndex_ >= Items.Count())
            itemIndex_ = -1;
        if (topIndex_ >= Items.Count())
            topIndex_ = 0;
        Changed(ControlChange::Items);
    };
}

int TListBox::HeightOfItem(int index)
{
    int height = ItemHeight;
    if (Style == TListBoxStyle::OwnerDrawVariable && OnMeasureItem)
        OnMeasureItem(*this, index, height);
    return height;
}

void TListBox::SetItemIndex(int index)
{
    itemIndex_ = index >= 0 && index < Items.Count() ? index : -1;
    Changed(ControlChange::State);
    if (itemIndex_ < 0)
        return;
    if (itemIndex_ < topIndex_) {
        SetTopIndex(itemIndex_);
        return;
    }
    // Scroll down until the selected item's bottom edge is in view.
    while (topIndex_ < itemIndex_) {
        int bottom = 0;
        for (int i = topIndex_; i <= itemIndex_; ++i)
            bottom += HeightOfItem(i);
        if (bottom <= Height())
            break;
        SetTopIndex(topIndex_ + 1);
    }
}

void TListBox::SetTopIndex(int index)
{
    topIndex_ = std::max(0, std::min(index, Items.Count() - 1));
    Changed(ControlChange::State);
}

TRect TListBox::ItemRect(int index)
{
    if (index < topIndex_ || index >= Items.Count())
        return {};
    int top = 0;
    for (int i = topIndex_; i < index && top < Height(); ++i)
        top += HeightOfItem(i);
    if (top >= Height())
        return {};
    return {0, top, Width(), top + HeightOfItem(index)};
}

void TListBox::Paint()
{
    int top = 0;
    for (int i = topIndex_; i < Items.Count() && top < Height(); ++i) {
        TRect rect{0, top, Width(), top + HeightOfItem(i)};
        TOwnerDrawState state = (i == itemIndex_ ? TOwnerDrawState(odSelected) : 0u)
                              | (Enabled() ? 0u : TOwnerDrawState(odDisabled));
        DrawItem(i, rect, state);
        top = rect.Bottom;
    }
}

void TListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    canvas_.Font = Font;
    canvas_.Brush = {(state & odSelected) ? clHighlight : Color, TBrushStyle::Solid};
    if (Style != TListBoxStyle::Standard && OnDrawItem) {
        OnDrawItem(*this, index, rect, state);
        return;
    }
    canvas_.FillRect(rect);
    if (state & odSelected)
        canvas_.Font.Color = clHighlightText;
    canvas_.TextRect(rect, rect.Left + 2, rect.Top, Items[index]);
}

} // namespace lorivex::ui
