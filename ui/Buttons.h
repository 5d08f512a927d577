#pragma once
// Buttons and the controls a person ticks or picks: push buttons (with
// their modal result and the Enter/Escape roles), the common OK and Cancel
// buttons with the platform's stock glyphs, flat buttons with a picture,
// check boxes and radio groups.
#include <string>

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/Strings.h"

namespace lorivex::ui {

class TButton : public TControl {
public:
    TButton() { SetBounds(0, 0, 75, 25); }
    TModalResult ModalResult = mrNone;
    bool Default = false; // clicked by Enter
    bool Cancel = false;  // clicked by Escape
    // The form's modal result is set first and OnClick runs after it, so a
    // handler can still clear the result to keep its dialog open.
    void Click() override;
};

enum class TBitBtnKind { Custom, Ok, Cancel };

class TBitBtn : public TButton {
public:
    // OK: caption "OK", result mrOk, default button, check-mark glyph.
    // Cancel: caption "Cancel", result mrCancel, cancel button, cross glyph.
    void SetKind(TBitBtnKind kind);
    TBitBtnKind Kind() const { return kind_; }
    StockGlyph Glyph = StockGlyph::None;
    TBitmapPtr Picture; // a custom button's own glyph

private:
    TBitBtnKind kind_ = TBitBtnKind::Custom;
};

class TSpeedButton : public TControl {
public:
    TSpeedButton() { SetBounds(0, 0, 23, 22); }
    bool Flat = false;
    TBitmapPtr Glyph;
};

class TCheckBox : public TControl {
public:
    bool Checked() const { return checked_; }
    // Changing the state runs OnClick, whoever changes it, so that the
    // control and what depends on it cannot disagree.
    void SetChecked(bool checked);
    // A person's click toggles the state.
    void Click() override;

private:
    bool checked_ = false;
};

class TRadioGroup : public TControl {
public:
    TRadioGroup();
    TStrings Items;
    int Columns = 1;
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index); // -1 for none
    // A person picks an item: it becomes the selected one and OnClick runs.
    void Choose(int index);

private:
    int itemIndex_ = -1;
};

} // namespace lorivex::ui
