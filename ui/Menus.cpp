#include "ui/Menus.h"

#include "ui/Application.h"

namespace lorivex::ui {

void TMenuItem::Click()
{
    if (Enabled && Visible && !IsLine() && OnClick)
        OnClick(*this);
}

TMenuItem& TPopupMenu::Add(const std::string& caption)
{
    items_.push_back(std::make_unique<TMenuItem>());
    items_.back()->Caption = caption;
    return *items_.back();
}

void TPopupMenu::Popup(int x, int y)
{
    popupPoint_ = {x, y};
    Application().Backend().Popup(*this, popupPoint_);
}

} // namespace lorivex::ui
