#include "compiler/HtmlCompilerOptionsForm.h"

#include "platform/FileSystem.h"
#include "services/CaptionBanner.h"
#include "services/DialogFrame.h"

namespace lorivex {

using namespace ui;

THtmlCompilerOptionsForm::THtmlCompilerOptionsForm()
{
    SetCaption("Compiler Options");
    BorderStyle = TFormBorderStyle::Dialog;
    Position = TPosition::ScreenCenter;
    SetBounds(0, 0, 369, 292);
    CaptionPanel = Add<TPanel>("CaptionPanel");
    CaptionPanel->SetAlign(TAlign::Top);
    CaptionPanel->SetHeight(25);
    CaptionPanel->SetCaption("Compiler Options");
    CaptionPaintBox = CaptionPanel->Add<TPaintBox>("CaptionPaintBox");
    CaptionPaintBox->SetAlign(TAlign::Client);
    CaptionPaintBox->OnPaint = Handler(&THtmlCompilerOptionsForm::CaptionPaintBoxPaint);

    Label1 = Add<TLabel>("Label1");
    Label1->SetBounds(8, 40, 0, 0);
    Label1->SetCaption("Output file");
    OutputFileEdit = Add<TEdit>("OutputFileEdit");
    OutputFileEdit->SetBounds(8, 56, 322, 21);
    OutputFileEdit->Hint = "Enter the filename of the compiled help file...";
    SaveOutputFileBtn = Add<TSpeedButton>("SaveOutputFileBtn");
    SaveOutputFileBtn->Flat = true;
    SaveOutputFileBtn->SetBounds(333, 56, 23, 22);
    SaveOutputFileBtn->Hint = "Select Output File";
    SaveOutputFileBtn->OnClick = Handler(&THtmlCompilerOptionsForm::SaveOutputFileBtnClick);
    OverWriteCb = AddCheckBox("OverWriteCb", 8, 81, 153, "Overwrite existing file", "Overwrite existing file");
    IncludeHeadersCB = AddCheckBox("IncludeHeadersCB", 168, 81, 189, "Include headers in document",
                                   "Decides wether or not to include the headings in the html output");
    Bevel1 = AddLine("Bevel1", 100);
    IncludeTocCB = AddCheckBox("IncludeTocCB", 8, 112, 145, "Include table of contents",
                               "Include table of contents in compiled file");
    IncludeKeywordsCB = AddCheckBox("IncludeKeywordsCB", 8, 132, 145, "Include keyword index",
                                    "Include keyword index in compiled file");
    IncludeFullTextSearchCB = AddCheckBox("IncludeFullTextSearchCB", 8, 152, 145, "Include full text search",
                                          "Include full text search in compiled file");
    Bevel2 = AddLine("Bevel2", 176);
    Label2 = Add<TLabel>("Label2");
    Label2->SetBounds(8, 192, 0, 0);
    Label2->SetCaption("Compiler");
    CompilerFileNameEdit = Add<TEdit>("CompilerFileNameEdit");
    CompilerFileNameEdit->SetBounds(8, 208, 322, 21);
    CompilerFileNameEdit->Hint = "Enter the path and filename of the HTML Help Workshop compiler";
    OpenCompilerButton = Add<TSpeedButton>("OpenCompilerButton");
    OpenCompilerButton->Flat = true;
    OpenCompilerButton->SetBounds(329, 208, 23, 22);
    OpenCompilerButton->Hint = "Browse for the help compiler";
    OpenCompilerButton->OnClick = Handler(&THtmlCompilerOptionsForm::OpenCompilerButtonClick);
    Bevel3 = AddLine("Bevel3", 238);
    OkButton = Add<TBitBtn>("OkButton");
    OkButton->SetKind(TBitBtnKind::Ok);
    OkButton->SetBounds(8, 260, 75, 25);
    OkButton->Hint = "Start compilation";
    OkButton->OnClick = Handler(&THtmlCompilerOptionsForm::OkButtonClick);
    CancelButton = Add<TBitBtn>("CancelButton");
    CancelButton->SetKind(TBitBtnKind::Cancel);
    CancelButton->SetBounds(92, 260, 75, 25);
    CancelButton->Hint = "Cancel compilation";
    OpenHelpCB = AddCheckBox("OpenHelpCB", 200, 268, 153, "Open help after compilation",
                             "Open compiled help file after compilation is completed");

    SaveOutputFileDialog = std::make_unique<TSaveDialog>();
    SaveOutputFileDialog->Name = "SaveOutputFileDialog";
    SaveOutputFileDialog->Title = "Save compiled file as";
    SaveOutputFileDialog->DefaultExt = ".chm";
    SaveOutputFileDialog->Filter = "HTML Help files (*.chm)|*.chm|Any file (*.*)|*.*";
    OpenCompilerDialog = std::make_unique<TOpenDialog>();
    OpenCompilerDialog->Name = "OpenCompilerDialog";
    OpenCompilerDialog->Title = "Open Help file compiler";
    OpenCompilerDialog->DefaultExt = ".exe";
    OpenCompilerDialog->FileName = "hhc.exe";
    OpenCompilerDialog->Filter =
        "HTML Help file compiler (hhc.exe)|hhc.exe|Windows Executables (*.exe)|*.exe|Any file (*.*)|*.*";
    OnCreate = Handler(&THtmlCompilerOptionsForm::FormCreate);
}

TCheckBox* THtmlCompilerOptionsForm::AddCheckBox(const std::string& name, int left, int top, int width,
                                                 const std::string& caption, const std::string& hint)
{
    auto* box = Add<TCheckBox>(name);
    box->SetBounds(left, top, width, 17);
    box->SetCaption(caption);
    box->Hint = hint;
    return box;
}

TBevel* THtmlCompilerOptionsForm::AddLine(const std::string& name, int top)
{
    auto* line = Add<TBevel>(name);
    line->Shape = TBevelShape::TopLine;
    line->SetBounds(8, top, 349, 2);
    return line;
}

void THtmlCompilerOptionsForm::FormCreate(TComponent&)
{
    SpecialDirs = std::make_unique<TSpecialDirs>();
}

void THtmlCompilerOptionsForm::CaptionPaintBoxPaint(TComponent& sender)
{
    Guard("CaptionPaintBoxPaint", [&] { PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), true); });
}

TCompileOptions THtmlCompilerOptionsForm::Options() const
{
    TCompileOptions options;
    options.OutputFile = OutputFileEdit->Text();
    options.Compiler = CompilerFileNameEdit->Text();
    options.OverWriteExisting = OverWriteCb->Checked();
    options.OpenHelpAfterCompilation = OpenHelpCB->Checked();
    options.IncludeTableOfContents = IncludeTocCB->Checked();
    options.IncludeKeywordIndex = IncludeKeywordsCB->Checked();
    options.IncludeFullTextSearch = IncludeFullTextSearchCB->Checked();
    options.IncludeHeaders = IncludeHeadersCB->Checked();
    return options;
}

void THtmlCompilerOptionsForm::LoadSettings(const std::string& documentFullName)
{
    Guard("LoadSettings", [&] {
        TCompileOptions options = ReadCompileOptions(documentFullName, SpecialDirs->GetMyDocumentsDir(),
                                                     SpecialDirs->GetProgramFilesDir());
        OutputFileEdit->SetText(options.OutputFile);
        CompilerFileNameEdit->SetText(options.Compiler);
        OverWriteCb->SetChecked(options.OverWriteExisting);
        OpenHelpCB->SetChecked(options.OpenHelpAfterCompilation);
        IncludeTocCB->SetChecked(options.IncludeTableOfContents);
        IncludeKeywordsCB->SetChecked(options.IncludeKeywordIndex);
        IncludeFullTextSearchCB->SetChecked(options.IncludeFullTextSearch);
        IncludeHeadersCB->SetChecked(options.IncludeHeaders);
    });
}

void THtmlCompilerOptionsForm::SaveSettings(const std::string& documentFullName)
{
    Guard("SaveSettings", [&] { WriteCompileOptions(documentFullName, Options()); });
}

bool THtmlCompilerOptionsForm::Execute(const std::string& documentFullName, TCompileOptions& options)
{
    return Guard("Execute", [&] {
        LoadSettings(documentFullName);
        if (ShowModalDialog(*this) != mrOk)
            return false;
        options = Options();
        SaveSettings(documentFullName);
        return true;
    });
}

void THtmlCompilerOptionsForm::OkButtonClick(TComponent&)
{
    if (platform::FileExists(OutputFileEdit->Text()) && !OverWriteCb->Checked()) {
        ShowMessageBox("Check the \"Overwrite existing file\" if you wish to overwrite the existing file.",
                       "Warning", MessageIcon::Warning);
        ModalResult = mrNone;
    }
    if (!platform::FileExists(CompilerFileNameEdit->Text())) {
        ShowMessageBox("It appears as the HTML Help file compiler does not exist. \r\n"
                       "You must install the HTML Help Workshop in order to use Lorivex.",
                       "Warning", MessageIcon::Warning);
        ModalResult = mrNone;
    }
}

void THtmlCompilerOptionsForm::SaveOutputFileBtnClick(TComponent&)
{
    SaveOutputFileDialog->InitialDir = platform::ExtractFilePath(lastSavedFile_);
    SaveOutputFileDialog->FileName = platform::ExtractFileName(lastSavedFile_);
    SaveOutputFileDialog->FilterIndex = 1;
    if (SaveOutputFileDialog->Execute()) {
        lastSavedFile_ = SaveOutputFileDialog->FileName;
        OutputFileEdit->SetText(SaveOutputFileDialog->FileName);
    }
}

void THtmlCompilerOptionsForm::OpenCompilerButtonClick(TComponent&)
{
    std::string folder = platform::ExtractFilePath(CompilerFileNameEdit->Text());
    OpenCompilerDialog->InitialDir = platform::DirectoryExists(folder) ? folder : SpecialDirs->GetProgramFilesDir();
    if (OpenCompilerDialog->Execute())
        CompilerFileNameEdit->SetText(OpenCompilerDialog->FileName);
}

} // namespace lorivex
