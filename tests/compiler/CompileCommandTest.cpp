// The compile command of the add-in module, in the process: what happens
// before any page is written.
#include "Failure.h"
#include "compiler/CompilerFixture.h"

#include "commands/LorivexModule.h"
#include "compiler/CompilerForm.h"
#include "compiler/CompilerUi.h"
#include "compiler/HtmlCompilerOptionsForm.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "services/LorivexUtils.h"
#include "ui/headless/Answerers.h"

#include <thread>

namespace lorivex::test {
namespace {

class CompileCommand : public CompilerTest {
protected:
    CompileCommand() : temp_(TempFolderVariable, Temp.Path().c_str())
    {
        Module.WordApp = App;
    }
    std::vector<std::string> WindowLines()
    {
        std::vector<std::string> lines;
        if (auto* window = CompilerWindow())
            for (int i = 0; i < window->CompilerListBox->Items.Count(); ++i)
                lines.push_back(window->CompilerListBox->Items[i]);
        return lines;
    }
    ScopedSettings Settings;
    TempFolder Temp;
    ScopedEnv temp_;
    TLorivexModule Module;
};

TEST_F(CompileCommand, NoActiveDocument)
{
    EXPECT_THAT([&] { Module.CompileHtmlHelpClick(Module); },
                Throws<ElxException>(MessageAndTrace("This command cannot be executed when no document is active.", "TLorivexModule.CompileHtmlHelpClick\r\n")));
}

TEST_F(CompileCommand, CancellingLeavesNothingBehind)
{
    Document(H(1, T("A")) + P(T("a")));
    auto options = App->DefaultWebOptions();
    options->SetRelyOnVML(true);
    auto cancel = ui::ScopedAnswer::Form("THtmlCompilerOptionsForm", [](ui::TForm& form) { form.PressEscape(); });
    Module.CompileHtmlHelpClick(Module);
    EXPECT_TRUE(platform::ListDirectory(Temp.Path()).empty());
    EXPECT_FALSE(platform::GetRegistry().KeyExists(platform::RootKey::CurrentUser, RecentDocumentsKey));
    EXPECT_TRUE(options->RelyOnVML());
}

TEST_F(CompileCommand, ADocumentWithoutHeadingsHasNoContents)
{
    Document(P(T("only text")));
    std::string compiler = Folder / "chmcmd";
    WriteTextFile(compiler, "");
    auto ok = ui::ScopedAnswer::Form("THtmlCompilerOptionsForm", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<THtmlCompilerOptionsForm&>(form);
        dialog.CompilerFileNameEdit->SetText(compiler);
        dialog.OutputFileEdit->SetText(Folder / "Plain.chm");
        dialog.IncludeTocCB->SetChecked(true);
        dialog.OkButton->Click();
    });
    Module.CompileHtmlHelpClick(Module); // a quiet stop, no error
    auto lines = WindowLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "Document has no headers, cannot include table of contents.");
    EXPECT_EQ(lines.back(), "Compilation aborted.");
    EXPECT_TRUE(CompilerWindow()->CloseAllowed);
    EXPECT_TRUE(platform::ListDirectory(Temp.Path()).empty()) << "the work folder goes with the run";
    // The run was confirmed: both recent lists have it.
    EXPECT_TRUE(platform::GetRegistry().KeyExists(platform::RootKey::CurrentUser, RecentHelpFilesKey));
}

TEST_F(CompileCommand, WorkFoldersAreClaimedOnePerRun)
{
    ASSERT_TRUE(platform::CreateDirExclusive(Temp / "lx0"));
    ASSERT_TRUE(platform::CreateDirExclusive(Temp / "lx1"));
    Document(P(T("only text")));
    std::string compiler = Folder / "chmcmd";
    WriteTextFile(compiler, "");
    std::string seen;
    auto ok = ui::ScopedAnswer::Form("THtmlCompilerOptionsForm", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<THtmlCompilerOptionsForm&>(form);
        dialog.CompilerFileNameEdit->SetText(compiler);
        dialog.OutputFileEdit->SetText(Folder / "Plain.chm");
        dialog.IncludeTocCB->SetChecked(true);
        dialog.OkButton->Click();
        // The dialog is answered before the folder is named.
        seen = "answered";
    });
    TLvxDocumentHelper run;
    run.CreateHtmlHelp(App->ActiveDocument());
    EXPECT_EQ(seen, "answered");
    EXPECT_EQ(run.WorkFolder, Temp / "lx2");
    EXPECT_TRUE(platform::DirectoryExists(Temp / "lx0"));
}

// A page that cannot be written ends the run with its topic named in the
// trace, and the scratch document of that topic is closed all the same.
TEST_F(CompileCommand, AFailedExportNamesItsTopicAndClosesItsScratchDocument)
{
    Document(H(1, T("Alpha")) + P(T("a")) + H(1, T("Beta ") + Field(" PAGE ", "1")) + P(T("b")));
    std::string compiler = Folder / "chmcmd";
    WriteTextFile(compiler, "");
    auto ok = ui::ScopedAnswer::Form("THtmlCompilerOptionsForm", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<THtmlCompilerOptionsForm&>(form);
        dialog.CompilerFileNameEdit->SetText(compiler);
        dialog.OutputFileEdit->SetText(Folder / "Broken.chm");
        dialog.IncludeHeadersCB->SetChecked(false);
        dialog.OkButton->Click();
    });
    TLvxDocumentHelper run;
    // The warning about Beta's heading comes while Beta's page is being
    // made: the work folder then turns into a file, where no page can go.
    SetCompilerLineObserver([&](const std::string& line) {
        if (line.find("cannot be removed") == std::string::npos)
            return;
        // The page before may still be on its way to the folder on the
        // writing thread: empty the folder until it is gone for good.
        for (int tries = 0; tries < 1000 && !DeleteFolderContents(run.WorkFolder); ++tries)
            std::this_thread::yield();
        WriteTextFile(run.WorkFolder, "in the way");
    });
    try {
        run.CreateHtmlHelp(App->ActiveDocument());
        FAIL() << "the page was written into a file";
    } catch (const ElxException& e) {
        EXPECT_NE(e.CallStack().find("TLvxDocumentHelper.ExportTopic(Beta 1)\r\n"), std::string::npos)
            << e.CallStack();
    }
    SetCompilerLineObserver(nullptr);
    platform::DeleteFile(run.WorkFolder);
    EXPECT_EQ(App->Documents()->Count(), 1) << "a scratch document stayed open";
}

} // namespace
} // namespace lorivex::test
