#include "ui/Dialogs.h"

#include "ui/Application.h"

namespace lorivex::ui {

bool TFileDialog::Execute()
{
    return Application().Backend().ExecuteFileDialog(*this);
}

TModalResult ShowMessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                        MessageButtons buttons)
{
    return Application().Backend().ShowMessageBox(MessageBoxRequest{text, caption, icon, buttons});
}

} // namespace lorivex::ui
