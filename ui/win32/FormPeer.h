#pragma once
// A form's window: a top-level window owned by the form's owner window,
// whose client area is the form's Width x Height and whose frame follows
// the border style. A person's moving and sizing reach the form's bounds;
// the close box asks the form to close; Enter and Escape, which the dialog
// manager turns into IDOK and IDCANCEL, press the default and cancel
// buttons; hints show as tooltips.
#include <vector>

#include "ui/Form.h"
#include "ui/win32/ContainerPeers.h"

namespace lorivex::ui::win32 {

class FormPeer : public ContainerPeer {
public:
    explicit FormPeer(TForm& form) : ContainerPeer(form), form_(form) {}

    void Refresh() override;
    void PaintContent(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Puts the focus where it was when the form was last active, else on
    // its first control that takes it (with none, it stays on the form).
    void RestoreFocus();

protected:
    Params CreationParams() override;
    RECT WindowBounds() override;
    void ApplyBounds() override;
    // The back end shows and hides forms (it makes their windows first).
    void ApplyVisible() override {}

private:
    void KeyCommand(int id);
    void UpdateHints();
    TForm& form_;
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
};

// The first control inside the window, in Tab order, that can take the focus.
HWND FirstTabStop(HWND window);

} // namespace lorivex::ui::win32
