#pragma once
// THtmlCompilerOptionsForm: the options of one compile run, filled from the
// stored settings and written back when the author confirms.
#include <memory>
#include <string>

#include "compiler/CompileSettings.h"
#include "services/SpecialDirs.h"
#include "ui/Buttons.h"
#include "ui/Dialogs.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Labels.h"
#include "ui/Panels.h"

namespace lorivex {

class THtmlCompilerOptionsForm : public ui::TForm {
public:
    THtmlCompilerOptionsForm();

    ui::TPanel* CaptionPanel;
    ui::TPaintBox* CaptionPaintBox;
    ui::TLabel* Label1;
    ui::TEdit* OutputFileEdit;
    ui::TSpeedButton* SaveOutputFileBtn;
    ui::TCheckBox* OverWriteCb;
    ui::TCheckBox* IncludeHeadersCB;
    ui::TBevel* Bevel1;
    ui::TCheckBox* IncludeTocCB;
    ui::TCheckBox* IncludeKeywordsCB;
    ui::TCheckBox* IncludeFullTextSearchCB;
    ui::TBevel* Bevel2;
    ui::TLabel* Label2;
    ui::TEdit* CompilerFileNameEdit;
    ui::TSpeedButton* OpenCompilerButton;
    ui::TBevel* Bevel3;
    ui::TBitBtn* OkButton;
    ui::TBitBtn* CancelButton;
    ui::TCheckBox* OpenHelpCB;
    std::unique_ptr<ui::TSaveDialog> SaveOutputFileDialog;
    std::unique_ptr<ui::TOpenDialog> OpenCompilerDialog;
    std::unique_ptr<TSpecialDirs> SpecialDirs;

    // True, with the options filled in, when the author confirms.
    bool Execute(const std::string& documentFullName, TCompileOptions& options);
    void LoadSettings(const std::string& documentFullName);
    void SaveSettings(const std::string& documentFullName);

    void FormCreate(ui::TComponent& sender);
    void CaptionPaintBoxPaint(ui::TComponent& sender);
    void OkButtonClick(ui::TComponent& sender);
    void SaveOutputFileBtnClick(ui::TComponent& sender);
    void OpenCompilerButtonClick(ui::TComponent& sender);

private:
    TCompileOptions Options() const;
    ui::TCheckBox* AddCheckBox(const std::string& name, int left, int top, int width, const std::string& caption,
                               const std::string& hint);
    ui::TBevel* AddLine(const std::string& name, int top);
    std::string lastSavedFile_;
};

} // namespace lorivex
