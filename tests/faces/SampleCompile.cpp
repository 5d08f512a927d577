#include "faces/SampleCompile.h"

#include "commands/LorivexModule.h"
#include "compiler/CompilerUi.h"
#include "compiler/HtmlCompilerOptionsForm.h"
#include "compiler/KeptWorkFiles.h"
#include "platform/FileSystem.h"
#include "platform/Versions.h"
#include "services/ExceptionDialog.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {

namespace {

std::string BesideThisProgram(const std::string& name)
{
    return platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), name);
}

std::string MadeFolder(const std::string& path)
{
    platform::ForceDirectories(path);
    return path;
}

// The options dialog answered as the end-to-end runs answer it.
ui::ScopedAnswer AnswerOptions(const std::string& output)
{
    return ui::ScopedAnswer::Form("THtmlCompilerOptionsForm", [output](ui::TForm& form) {
        auto& dialog = dynamic_cast<THtmlCompilerOptionsForm&>(form);
        dialog.CompilerFileNameEdit->SetText(BesideThisProgram("FakeHelpCompiler.exe"));
        dialog.OutputFileEdit->SetText(output);
        for (ui::TCheckBox* on : {dialog.IncludeTocCB, dialog.IncludeKeywordsCB, dialog.IncludeFullTextSearchCB,
                                  dialog.OverWriteCb})
            on->SetChecked(true);
        dialog.IncludeHeadersCB->SetChecked(false);
        dialog.OpenHelpCB->SetChecked(false);
        dialog.OkButton->Click();
    });
}

} // namespace

std::string SampleDocumentPath()
{
    return BesideThisProgram(platform::JoinPath("examples", "Sample.docx"));
}

SampleCompile::SampleCompile(const TempFolder& scratch, const std::string& face)
    : kept_(scratch / (face + "-work")),
      tempFolder_(TempFolderVariable, MadeFolder(scratch / (face + "-temp")).c_str()),
      // As a person picks a folder in the save dialog, the folder exists.
      options_(AnswerOptions(platform::JoinPath(MadeFolder(scratch / face), "Sample.chm"))),
      messages_(ui::ScopedAnswer::MessageBoxes([this](const ui::MessageBoxRequest& request) {
          compiled_.lines.push_back("message box: " + request.Text);
          return ui::mrOk;
      })),
      errors_(ui::ScopedAnswer::Form("TlxExceptionDialog", [this](ui::TForm& form) {
          auto& dialog = dynamic_cast<TlxExceptionDialog&>(form);
          compiled_.lines.push_back("error dialog: " + dialog.ExceptionLabel->Caption());
          dialog.OkButton->Click();
      }))
{
    compiled_.workFolder = GetTempDir() + "lx0";
    compiled_.outputFile = platform::JoinPath(scratch / face, "Sample.chm");
    SetCompilerLineObserver([this](const std::string& line) { compiled_.lines.push_back(line); });
    SetKeptWorkFolder(kept_);
}

SampleCompile::~SampleCompile()
{
    Undo();
}

void SampleCompile::Undo()
{
    if (finished_)
        return;
    finished_ = true;
    SetKeptWorkFolder({});
    SetCompilerLineObserver(nullptr);
}

Compiled SampleCompile::Finish()
{
    Undo();
    compiled_.files = ReadWorkFiles(kept_);
    return compiled_;
}

Compiled CompileSample(const word::ApplicationPtr& application, const TempFolder& scratch, const std::string& face)
{
    SampleCompile run(scratch, face);
    try {
        TLorivexModule module;
        module.WordApp = application;
        const std::string sample = SampleDocumentPath();
        module.WordApp->Documents()->Open(std::u16string(sample.begin(), sample.end()));
        module.CompileHtmlHelpClick(module);
    } catch (const std::exception& e) {
        run.Failed(e.what());
    }
    return run.Finish();
}

WorkFiles Normal(const Compiled& run)
{
    return Normalise(run.files, {{run.workFolder, "<work>"}, {run.outputFile, "<output>"}});
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

} // namespace lorivex::test
