#include "host/HostErrorRouting.h"

#include "ui/Dialogs.h"

namespace lorivex {

std::string HostErrorText(const std::string& addInName, const std::string& message)
{
    return addInName + " error: the add-in has fired an exception.\r\n" + message;
}

void RouteHostError(THostAddInModule& module, const std::exception& failure)
{
    bool handled = false;
    if (module.OnError) {
        try {
            module.OnError(failure, handled);
        } catch (const std::exception&) {
            // The module could not show its report; ours below still can.
            handled = false;
        }
    }
    if (handled)
        return;
    auto* own = dynamic_cast<const Exception*>(&failure);
    try {
        ui::ShowMessageBox(HostErrorText(module.AddInName, own ? own->Message() : failure.what()), module.AddInName,
                           ui::MessageIcon::Error, ui::MessageButtons::Ok);
    } catch (const std::exception&) {
        // Nothing is left to tell it with; Word must not receive it.
    }
}

} // namespace lorivex
