#pragma once
// The common dialogs: opening and saving a file, and message boxes.
#include <string>

#include "ui/Component.h"
#include "ui/Form.h"

namespace lorivex::ui {

enum class TFileDialogKind { Open, Save };
enum TOpenOption : unsigned { ofOverwritePrompt = 1, ofFileMustExist = 2, ofPathMustExist = 4, ofHideReadOnly = 8 };

class TFileDialog : public TComponent {
public:
    explicit TFileDialog(TFileDialogKind kind) : kind_(kind) {}
    TFileDialogKind Kind() const { return kind_; }
    std::string Title;
    // Pairs of description and pattern: "HTML Help files (*.chm)|*.chm|Any file (*.*)|*.*".
    std::string Filter;
    int FilterIndex = 1; // 1 for the first pair
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName; // in: proposed; out: the full path chosen
    unsigned Options = ofHideReadOnly;
    // True when the person chose a file (FileName holds it).
    bool Execute();

private:
    TFileDialogKind kind_;
};

class TOpenDialog : public TFileDialog {
public:
    TOpenDialog() : TFileDialog(TFileDialogKind::Open) {}
};

class TSaveDialog : public TFileDialog {
public:
    TSaveDialog() : TFileDialog(TFileDialogKind::Save) {}
};

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

struct MessageBoxRequest {
    std::string Text;
    std::string Caption;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
};

// Shows a message box owned by the application's owner window; the result
// is the modal result of the button pressed (mrOk, mrYes ...).
TModalResult ShowMessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                        MessageButtons buttons = MessageButtons::Ok);

} // namespace lorivex::ui
