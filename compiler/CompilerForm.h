#pragma once
// TCompilerForm: the progress window of the compile runs. One for the
// process, created by the first message and kept; closing only hides it.
#include "ui/Form.h"
#include "ui/ListBox.h"

namespace lorivex {

class TCompilerForm : public ui::TForm {
public:
    TCompilerForm();

    ui::TListBox* CompilerListBox;
    int MaxWidth = 0;
    bool CloseAllowed = false;

    void SetCloseAllowed(bool allowed) { CloseAllowed = allowed; }
    void UpdateHorizontalScroll();
    void CompilerListBoxDrawItem(ui::TComponent& sender, int index, ui::TRect rect, ui::TOwnerDrawState state);
    void FormCreate(ui::TComponent& sender);
    void FormCloseQuery(ui::TComponent& sender, bool& canClose);
    void FormClose(ui::TComponent& sender, ui::TCloseAction& action);
};

} // namespace lorivex
