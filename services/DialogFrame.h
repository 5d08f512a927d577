#pragma once
// How the add-in creates and shows its forms. It has no main window of its
// own: every form is owned by the window that was in front when the command
// started (Word's), and a modal dialog puts the previous owner back when it
// closes. The previous owner travels in the form's Tag.
#include <memory>

#include "platform/Desktop.h"
#include "services/LorivexUtils.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace lorivex {

// Creates a form of class T owned by the foreground window; the application
// keeps that owner afterwards. The integer is ignored (every caller passes 0).
template <class T>
std::unique_ptr<T> CreateLorivexForm(int = 0)
{
    return Guarded(UtilsUnit, "CreateLorivexForm", [&] {
        auto& application = ui::Application();
        std::intptr_t previous = std::intptr_t(application.Handle());
        application.SetHandle(platform::ForegroundWindow());
        auto form = application.CreateForm<T>();
        form->Tag = previous;
        return form;
    });
}

// Shows the form modally and returns its modal result; afterwards, also
// after a failure, the owner kept in the form's Tag is in force again.
ui::TModalResult ShowModalDialog(ui::TForm& form);

} // namespace lorivex
