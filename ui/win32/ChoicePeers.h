#pragma once
// The controls a person ticks or picks: check boxes, radio groups and
// drop-down lists. The system never changes their state on its own (the
// check box and the radio buttons are of the manual kinds, the list holds
// the items in the toolkit's order); a person's click goes to the toolkit
// and the state shown follows the toolkit's.
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

class CheckBoxPeer : public WindowPeer {
public:
    explicit CheckBoxPeer(TCheckBox& check) : WindowPeer(check), check_(check) {}
    void Changed(ControlChange what) override;
    void Refresh() override;
    bool Command(WORD code) override;

protected:
    Params CreationParams() override { return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0}; }

private:
    void ApplyState();
    TCheckBox& check_;
};

// A frame with the caption, and a radio button per item laid out in
// columns.
class RadioGroupPeer : public WindowPeer {
public:
    explicit RadioGroupPeer(TRadioGroup& group) : WindowPeer(group), group_(group) {}
    void Changed(ControlChange what) override;
    void Refresh() override;
    void PaintContent(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The radio button of an item; nullptr when there is none.
    HWND Button(int index) const;

protected:
    Params CreationParams() override;

private:
    void MakeButtons();
    void Arrange();
    void ApplyState();
    TRadioGroup& group_;
    std::vector<HWND> buttons_;
    std::vector<std::string> shown_;
};

class ComboBoxPeer : public WindowPeer {
public:
    explicit ComboBoxPeer(TComboBox& combo) : WindowPeer(combo), combo_(combo) {}
    void Changed(ControlChange what) override;
    void Refresh() override;
    bool Command(WORD code) override;

protected:
    Params CreationParams() override { return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0}; }
    // The window's height includes the dropped-down list.
    RECT WindowBounds() override;
    void ApplyBounds() override;

private:
    void ApplyItems();
    TComboBox& combo_;
    std::vector<std::string> shown_;
};

} // namespace lorivex::ui::win32
