#pragma once
// TlxExceptionDialog, the application error dialog: the failure's message
// over a banner, on request its context trace with the versions of the
// add-in and of Word, and a picture that copies a report to the clipboard.
// Collapsed it is 94 pixels high, with the details 202.
#include <functional>
#include <string>

#include "platform/Clock.h"
#include "services/word/Application.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Labels.h"
#include "ui/ListBox.h"
#include "ui/Panels.h"

namespace lorivex {

class TlxExceptionDialog : public ui::TForm {
public:
    TlxExceptionDialog();

    ui::TPanel* ExceptionPanel;
    ui::TPaintBox* PaintBox1;
    ui::TLabel* ExceptionLabel;

    ui::TPanel* TracePanel;
    ui::TPaintBox* PaintBox2;
    ui::TLabel* CallStackLabel;
    ui::TListBox* TraceListBox;
    ui::TLabel* VersionLabel;
    ui::TImage* CopyToClipboardImg;

    ui::TPanel* BottomPanel;
    ui::TPaintBox* PaintBox3;
    ui::TBitBtn* OkButton;
    ui::TCheckBox* DetailsCheckBox;
    ui::TLabel* ShowDetailsLabel;

    // Set by the creator before the dialog is shown; asked only for Word's
    // version.
    word::ApplicationPtr WordApp;
    // The time stamped into the clipboard report.
    std::function<platform::DateTime()> Clock = platform::Now;

    void FormShow(ui::TComponent& sender);
    void PaintBox1Paint(ui::TComponent& sender);
    void DetailsCheckBoxClick(ui::TComponent& sender);
    void ShowDetailsLabelClick(ui::TComponent& sender);
    void CopyToClipboardImgMouseDown(ui::TComponent& sender, ui::TMouseButton button, ui::TShiftState shift,
                                     int x, int y);

private:
    void CreateExceptionPanel();
    void CreateTracePanel();
    void CreateBottomPanel();
    void ApplyDetails();
    std::string VersionText();
    std::string Report();
};

} // namespace lorivex
