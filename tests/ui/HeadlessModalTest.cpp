#include <gtest/gtest.h>

#include "Failure.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Dialogs.h"
#include "ui/Menus.h"
#include "ui/headless/Answerers.h"
#include "ui/headless/DialogLog.h"

namespace lorivex::ui {
namespace {
using lorivex::test::ThrowsMessage;

// A dialog that refuses OK until its box is ticked, as the compile options
// do when the output file exists.
class TConfirmDialog : public TForm {
public:
    TConfirmDialog()
    {
        SetCaption("Confirm");
        Agree = Add<TCheckBox>("Agree");
        OkButton = Add<TBitBtn>("OkButton");
        OkButton->SetKind(TBitBtnKind::Ok);
        OkButton->OnClick = [this](TComponent&) {
            if (!Agree->Checked()) {
                ShowMessageBox("Tick the box first.", "Confirm", MessageIcon::Warning);
                ModalResult = mrNone;
            }
        };
    }
    TCheckBox* Agree;
    TBitBtn* OkButton;
};

class HeadlessModal : public ::testing::Test {
protected:
    void SetUp() override { DialogLog::Clear(); }
    std::unique_ptr<TConfirmDialog> dialog = Application().CreateForm<TConfirmDialog>();
};

TEST_F(HeadlessModal, AHandlerThatClearsTheResultKeepsTheDialogOpenForAnotherAnswer)
{
    int rounds = 0;
    auto answer = ScopedAnswer::Form("TConfirmDialog", [&](TForm& form) {
        if (++rounds == 2)
            form.Control<TCheckBox>("Agree").Click();
        form.PressEnter();
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(rounds, 2);
    EXPECT_FALSE(dialog->Visible());
    std::vector<std::string> log;
    for (const auto& entry : DialogLog::Entries())
        log.push_back(DialogLog::Describe(entry));
    EXPECT_EQ(log, (std::vector<std::string>{"Message box 'Confirm': Tick the box first. -> OK",
                                             "Dialog 'Confirm' (TConfirmDialog) -> OK"}));
}

TEST_F(HeadlessModal, ADialogThatNeverClosesIsAFailureNotAHang)
{
    int rounds = 0;
    auto answer = ScopedAnswer::Form("TConfirmDialog", [&](TForm& form) {
        ++rounds;
        form.PressEnter();
    });
    EXPECT_THAT([&] { dialog->ShowModal(); },
                ThrowsMessage<Exception>("The dialog 'Confirm' (TConfirmDialog) is still open after 20 answers"));
    EXPECT_EQ(rounds, 20);
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(HeadlessModal, NoAnswerIsAClearFailure)
{
    EXPECT_THAT([&] { dialog->ShowModal(); },
                ThrowsMessage<Exception>("No one is there to answer the dialog 'Confirm' (TConfirmDialog)"));
    // A second attempt is possible: the failed one left no modal state.
    auto answer = ScopedAnswer::Form("TConfirmDialog", [](TForm& form) { form.PressEscape(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel); // no cancel button: Escape closes with Cancel
}

TEST_F(HeadlessModal, CloseQueryMayRefuseAndDisabledButtonsDoNothing)
{
    int asked = 0;
    dialog->OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = ++asked > 1; };
    auto answer = ScopedAnswer::Form("TConfirmDialog", [&](TForm& form) {
        auto& ok = form.Control<TBitBtn>("OkButton");
        ok.SetEnabled(false);
        ok.Click();
        EXPECT_EQ(form.ModalResult, mrNone);
        form.Close();
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST_F(HeadlessModal, MessageBoxesWithAChoiceNeedAnAnswer)
{
    EXPECT_THROW(ShowMessageBox("Replace?", "Lorivex", MessageIcon::Question, MessageButtons::YesNo), Exception);
    auto answer = ScopedAnswer::MessageBoxes([](const MessageBoxRequest& box) {
        return box.Icon == MessageIcon::Question ? mrNo : mrOk;
    });
    EXPECT_EQ(ShowMessageBox("Replace?", "Lorivex", MessageIcon::Question, MessageButtons::YesNo), mrNo);
    EXPECT_EQ(DialogLog::Describe(DialogLog::Entries().back()), "Message box 'Lorivex': Replace? -> No");
}

TEST_F(HeadlessModal, FileDialogsAreAnsweredWithAPathOrCancelled)
{
    TSaveDialog save;
    save.Name = "SaveOutputFileDialog";
    save.Title = "Save compiled file as";
    save.FileName = "Manual.chm";
    EXPECT_THROW(save.Execute(), Exception);

    std::string seenTitle;
    std::optional<std::string> choice = "/docs/Help.chm";
    auto answer = ScopedAnswer::FileDialog("SaveOutputFileDialog", [&](const TFileDialog& d) {
        seenTitle = d.Title;
        return choice;
    });
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, "/docs/Help.chm");
    EXPECT_EQ(seenTitle, "Save compiled file as");
    choice.reset();
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName, "/docs/Help.chm");
    EXPECT_EQ(DialogLog::Describe(DialogLog::Entries().back()),
              "File dialog 'Save compiled file as' (SaveOutputFileDialog) -> Cancel");
}

TEST_F(HeadlessModal, APopupMenuRunsTheChosenItemsHandler)
{
    TPopupMenu menu;
    menu.Name = "RecentMenu";
    std::vector<std::string> opened;
    auto open = [&](TComponent& sender) { opened.push_back(static_cast<TMenuItem&>(sender).Hint); };
    for (const char* name : {"a.docx", "-", "b.chm"}) {
        auto& item = menu.Add(name);
        item.Hint = std::string("/files/") + name;
        item.OnClick = open;
    }
    menu.Items(2).Enabled = false;
    int choice = 0;
    auto answer = ScopedAnswer::Popup("RecentMenu", [&](const TPopupMenu&) { return choice; });
    for (int c : {0, 1, 2, -1}) {
        choice = c;
        menu.Popup(10, 20);
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"/files/a.docx"})); // lines and disabled items do nothing
    EXPECT_EQ(menu.PopupPoint(), (TPoint{10, 20}));
    EXPECT_EQ(DialogLog::Describe(DialogLog::Entries().back()), "Menu RecentMenu -> dismissed");
}

} // namespace
} // namespace lorivex::ui
