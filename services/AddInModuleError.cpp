#include "services/AddInModuleError.h"

#include "services/DialogFrame.h"
#include "services/ExceptionDialog.h"

namespace lorivex {

void AddInModuleError(const std::exception& e, bool& handled, const word::ApplicationPtr& wordApp)
{
    auto dialog = CreateLorivexForm<TlxExceptionDialog>(0);
    auto* failure = dynamic_cast<const Exception*>(&e);
    dialog->ExceptionLabel->SetCaption(failure ? failure->Message() : e.what());
    if (auto* elx = dynamic_cast<const ElxException*>(&e))
        dialog->TraceListBox->Items.SetText(elx->CallStack());
    else
        dialog->DetailsCheckBox->SetEnabled(false);
    dialog->WordApp = wordApp;
    ShowModalDialog(*dialog);
    handled = true;
}

} // namespace lorivex
