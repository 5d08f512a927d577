#include "ui/Buttons.h"

namespace lorivex::ui {

void TButton::Click()
{
    if (!Reachable())
        return;
    if (ModalResult != mrNone)
        if (TForm* form = OwnerForm())
            form->ModalResult = ModalResult;
    if (OnClick)
        OnClick(*this);
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    kind_ = kind;
    switch (kind) {
    case TBitBtnKind::Ok:
        SetCaption("OK");
        ModalResult = mrOk;
        Default = true;
        Glyph = StockGlyph::Ok;
        break;
    case TBitBtnKind::Cancel:
        SetCaption("Cancel");
        ModalResult = mrCancel;
        Cancel = true;
        Glyph = StockGlyph::Cancel;
        break;
    case TBitBtnKind::Custom:
        Glyph = StockGlyph::None;
        break;
    }
}

void TCheckBox::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Changed(ControlChange::State);
    if (OnClick)
        OnClick(*this);
}

void TCheckBox::Click()
{
    if (Reachable())
        SetChecked(!checked_);
}

TRadioGroup::TRadioGroup()
{
    Items.OnChange = [this] {
        if (itemIndex_ >= Items.Count())
            itemIndex_ = -1;
        Changed(ControlChange::Items);
    };
}

void TRadioGroup::SetItemIndex(int index)
{
    itemIndex_ = index >= 0 && index < Items.Count() ? index : -1;
    Changed(ControlChange::State);
}

void TRadioGroup::Choose(int index)
{
    if (!Reachable() || index < 0 || index >= Items.Count())
        return;
    SetItemIndex(index);
    if (OnClick)
        OnClick(*this);
}

} // namespace lorivex::ui
