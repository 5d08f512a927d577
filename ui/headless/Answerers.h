#pragma once
// Who answers the dialogs when there is no screen: the tests and the
// command line register one answer per form class (by its class name), per
// file dialog and per popup menu (by component name), and one for message
// boxes. An answer acts as a person would: it sets controls and clicks
// buttons (a form), picks a file or cancels (a file dialog), picks an item
// or dismisses (a popup menu), presses a button (a message box).
//
//   ui::Answerers::Register("TAboutForm", [](ui::TForm& form) { form.PressEnter(); });
//   ui::ScopedAnswer answer = ui::ScopedAnswer::Form("TlxExceptionDialog", ...); // tests
#include <functional>
#include <optional>
#include <string>

#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/Menus.h"

namespace lorivex::ui {

class Answerers {
public:
    using FormAnswer = std::function<void(TForm& form)>;
    // The full path chosen, or nothing for Cancel.
    using FileDialogAnswer = std::function<std::optional<std::string>(const TFileDialog& dialog)>;
    // The index of the item chosen, or -1 to dismiss the menu.
    using PopupAnswer = std::function<int(const TPopupMenu& menu)>;
    using MessageBoxAnswer = std::function<TModalResult(const MessageBoxRequest& request)>;

    // Each registration replaces the one before it and returns it; an empty
    // answer removes the registration.
    static FormAnswer Register(const std::string& formClass, FormAnswer answer);
    static FileDialogAnswer RegisterFileDialog(const std::string& name, FileDialogAnswer answer);
    static PopupAnswer RegisterPopup(const std::string& name, PopupAnswer answer);
    static MessageBoxAnswer RegisterMessageBox(MessageBoxAnswer answer);

    // Empty when no one is registered.
    static FormAnswer ForForm(const std::string& formClass);
    static FileDialogAnswer ForFileDialog(const std::string& name);
    static PopupAnswer ForPopup(const std::string& name);
    static MessageBoxAnswer ForMessageBox();
};

// A registration for one scope: the previous answer is back at its end.
class ScopedAnswer {
public:
    static ScopedAnswer Form(const std::string& formClass, Answerers::FormAnswer answer);
    static ScopedAnswer FileDialog(const std::string& name, Answerers::FileDialogAnswer answer);
    static ScopedAnswer Popup(const std::string& name, Answerers::PopupAnswer answer);
    static ScopedAnswer MessageBoxes(Answerers::MessageBoxAnswer answer);

    ScopedAnswer(ScopedAnswer&& other) noexcept : restore_(std::move(other.restore_)) { other.restore_ = nullptr; }
    ScopedAnswer& operator=(ScopedAnswer&&) = delete;
    ~ScopedAnswer()
    {
        if (restore_)
            restore_();
    }

private:
    explicit ScopedAnswer(std::function<void()> restore) : restore_(std::move(restore)) {}
    std::function<void()> restore_;
};

} // namespace lorivex::ui
