#pragma once
// Popup menus: items with caption, hint, tag, picture and click handler,
// shown at a screen position. A caption of "-" makes a separator.
#include <memory>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Geometry.h"
#include "ui/Picture.h"

namespace lorivex::ui {

class TMenuItem : public TComponent {
public:
    std::string Caption;
    std::string Hint;
    bool Enabled = true;
    bool Visible = true;
    int ImageIndex = -1;   // into the menu's image list
    TBitmapPtr Bitmap;     // the item's own picture, used when set
    TNotifyEvent OnClick;

    bool IsLine() const { return Caption == "-"; }
    // What choosing the item does: nothing for a disabled item or a line.
    void Click();
};

class TPopupMenu : public TComponent {
public:
    TImageList* Images = nullptr;
    TMenuItem& Add(const std::string& caption);
    void Clear() { items_.clear(); }
    int Count() const { return int(items_.size()); }
    TMenuItem& Items(int index) const { return *items_.at(size_t(index)); }
    // Shows the menu at a screen position and returns when it is closed,
    // after the chosen item's handler has run.
    void Popup(int x, int y);
    // The position Popup was last called with.
    TPoint PopupPoint() const { return popupPoint_; }

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
    TPoint popupPoint_;
};

} // namespace lorivex::ui
