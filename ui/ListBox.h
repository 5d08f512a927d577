#pragma once
// A list of text items, drawn by the control or by its owner. An owner-drawn
// list with variable item heights asks OnMeasureItem for each item's height
// (ItemHeight when no handler is set) and OnDrawItem for each visible item,
// with the item's rectangle in the list's client coordinates.
#include <functional>

#include "ui/Control.h"
#include "ui/Strings.h"

namespace lorivex::ui {

enum class TListBoxStyle { Standard, OwnerDrawFixed, OwnerDrawVariable };
enum TOwnerDrawFlag : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4 };
using TOwnerDrawState = unsigned;
enum class TBorderStyle { None, Single };

class TListBox : public TControl {
public:
    TListBox();
    TStrings Items;
    TListBoxStyle Style = TListBoxStyle::Standard;
    int ItemHeight = 13;
    TBorderStyle BorderStyle = TBorderStyle::Single;
    bool Ctl3D = true; // false: the flat border
    // The width the horizontal scroll bar covers, in pixels; 0 for none.
    int ScrollWidth = 0;

    int ItemIndex() const { return itemIndex_; }
    // Selecting an item scrolls it into view.
    void SetItemIndex(int index);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    int HeightOfItem(int index);
    // The item's rectangle in client coordinates; empty when not in view.
    TRect ItemRect(int index);

    std::function<void(TComponent& sender, int index, int& height)> OnMeasureItem;
    std::function<void(TComponent& sender, int index, TRect rect, TOwnerDrawState state)> OnDrawItem;

    TCanvas* Canvas() override { return &canvas_; }
    void Paint() override;
    // Draws one item in the given state: through OnDrawItem when the list is
    // owner-drawn, else as text on the brush colour. A window system that
    // draws the items one by one calls it for each.
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

private:
    TCanvas canvas_{this};
    int itemIndex_ = -1;
    int topIndex_ = 0;
};

} // namespace lorivex::ui
