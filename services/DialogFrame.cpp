#include "services/DialogFrame.h"

namespace lorivex {

ui::TModalResult ShowModalDialog(ui::TForm& form)
{
    return Guarded(UtilsUnit, "ShowModalDialog", [&] {
        struct RestoreOwner {
            ui::TForm& form;
            ~RestoreOwner()
            {
                if (form.Tag != 0)
                    ui::Application().SetHandle(std::uintptr_t(form.Tag));
            }
        } restore{form};
        return form.ShowModal();
    });
}

} // namespace lorivex
