// The compile run's two windows: the options dialog answered as a person
// would, and the progress window fed by the message sink.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "compiler/CompilerForm.h"
#include "compiler/CompilerUi.h"
#include "compiler/HtmlCompilerOptionsForm.h"
#include "compiler/LvxDocumentHelper.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "ui/Application.h"
#include "ui/headless/Answerers.h"
#include "ui/headless/DialogLog.h"
#include "ui/headless/RecordingCanvas.h"
#include "services/GradientColor.h"

namespace lorivex {
namespace {

using namespace ui;

class OptionsDialog : public testing::Test {
protected:
    OptionsDialog() { DialogLog::Clear(); }
    std::vector<std::string> Boxes()
    {
        std::vector<std::string> texts;
        for (const auto& entry : DialogLog::Entries())
            if (entry.Kind == DialogKind::MessageBox)
                texts.push_back(entry.Text);
        return texts;
    }
    test::ScopedSettings settings_;
    test::TempFolder docs_;
};

TEST_F(OptionsDialog, ConfirmingHandsOverTheBoxesAndStoresThem)
{
    std::string compiler = docs_ / "chmcmd";
    test::WriteTextFile(compiler, "");
    auto answer = ScopedAnswer::Form("THtmlCompilerOptionsForm", [&](TForm& form) {
        auto& dialog = dynamic_cast<THtmlCompilerOptionsForm&>(form);
        EXPECT_EQ(dialog.OutputFileEdit->Text(), docs_ / "Manual.chm");
        EXPECT_TRUE(dialog.IncludeTocCB->Checked());
        EXPECT_FALSE(dialog.IncludeHeadersCB->Checked());
        dialog.CompilerFileNameEdit->SetText(compiler);
        dialog.IncludeKeywordsCB->SetChecked(false);
        dialog.OkButton->Click();
    });
    TCompileOptions options;
    ASSERT_TRUE(ExecuteCompilerOptions(docs_ / "Manual.docx", options));
    EXPECT_EQ(options.Compiler, compiler);
    EXPECT_FALSE(options.IncludeKeywordIndex);
    EXPECT_TRUE(Boxes().empty());
    auto stored = ReadCompileOptions(docs_ / "Manual.docx", "", "");
    EXPECT_EQ(stored.Compiler, compiler);
    EXPECT_FALSE(stored.IncludeKeywordIndex);
}

TEST_F(OptionsDialog, WarningsKeepItOpenAndCancellingWritesNothing)
{
    std::string output = docs_ / "Manual.chm";
    test::WriteTextFile(output, "old");
    int round = 0;
    auto answer = ScopedAnswer::Form("THtmlCompilerOptionsForm", [&](TForm& form) {
        auto& dialog = dynamic_cast<THtmlCompilerOptionsForm&>(form);
        if (++round == 1) {
            dialog.CompilerFileNameEdit->SetText(docs_ / "no-such-compiler");
            dialog.OkButton->Click(); // both warnings, the dialog stays
        } else {
            dialog.CancelButton->Click();
        }
    });
    TCompileOptions options;
    EXPECT_FALSE(ExecuteCompilerOptions(docs_ / "Manual.docx", options));
    EXPECT_EQ(round, 2);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Check the \"Overwrite existing file\" if you wish to overwrite the existing file.",
                           "It appears as the HTML Help file compiler does not exist. \r\nYou must install the HTML "
                           "Help Workshop in order to use Lorivex."}));
    EXPECT_FALSE(platform::GetRegistry().KeyExists(platform::RootKey::CurrentUser, SettingsKey));
}

TEST(CompilerWindow, TheSinkShowsLinesTabsExpandedBlankLinesNotAdded)
{
    TLvxDocumentHelper run;
    bool abort = false;
    run.CaptureThreadMessageCaptured("first\tline", abort);
    run.CaptureThreadMessageCaptured("   \t ", abort);
    run.CaptureThreadMessageCaptured("Compiling /tmp/lx7/HtmlHelpProject.hhp\"", abort);
    TCompilerForm* window = CompilerWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Visible());
    auto& items = window->CompilerListBox->Items;
    ASSERT_GE(items.Count(), 2);
    EXPECT_EQ(items[items.Count() - 2], "first   line");
    EXPECT_EQ(items[items.Count() - 1], "Compiling HtmlHelpProject.hhp\"");
    EXPECT_EQ(window->CompilerListBox->ItemIndex(), items.Count() - 1);
    EXPECT_FALSE(abort);

    // Closing only hides it, and only once a run has completed.
    window->CloseAllowed = false;
    window->Close();
    EXPECT_TRUE(window->Visible());
    CompilerWindowSetCloseAllowed(true);
    window->Close();
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(CompilerWindow(), window);
    CompilerWindowClear();
    EXPECT_EQ(items.Count(), 0);
}

} // namespace
} // namespace lorivex

namespace lorivex {
namespace {

TEST(CompilerWindow, EveryLineOnTheCaptionGradientOnlyTheNewestBold)
{
    auto form = ui::Application().CreateForm<TCompilerForm>();
    form->CompilerListBox->Items.Add("Starting compiler...");
    form->CompilerListBox->Items.Add("Writing CHM");
    auto picture = ui::headless::Paint(*form->CompilerListBox);
    auto texts = picture.Texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_FALSE(texts[0].Font.Bold());
    EXPECT_TRUE(texts[1].Font.Bold());
    EXPECT_EQ(texts[0].At.X, 2);
    EXPECT_EQ(texts[1].At.Y - texts[0].At.Y, 16);
    EXPECT_FALSE(texts[0].Opaque);
    EXPECT_EQ(picture.ColumnColor(0), ui::TColor(GradientColor(ui::clActiveCaption, ui::clInactiveCaption, 1, 0)));
}

} // namespace
} // namespace lorivex
