// The modal loop of real windows: what ends it (a button with a result,
// Enter, Escape, the close box, a failing handler), what it shuts out while
// it runs (the owner, other forms), what it restores, and the calls from
// workers it runs while it waits.
#include "Failure.h"
#include "Win32Support.h"

#include <atomic>

#include "base/Exception.h"
#include "ui/Buttons.h"
#include "ui/Dialogs.h"
#include "ui/Edits.h"

namespace lorivex::ui::win32::test {
namespace {
using lorivex::test::ThrowsMessage;

class TAskDialog : public TForm {
public:
    TAskDialog()
    {
        SetCaption("Ask");
        BorderStyle = TFormBorderStyle::Dialog;
        SetBounds(120, 100, 260, 120);
        Answer = Add<TEdit>("Answer");
        Answer->SetBounds(8, 8, 240, 21);
        Notes = Add<TMemo>("Notes");
        Notes->SetBounds(8, 34, 240, 40);
        OkButton = Add<TBitBtn>("OkButton");
        OkButton->SetKind(TBitBtnKind::Ok);
        OkButton->SetBounds(8, 84, 75, 25);
        CancelButton = Add<TBitBtn>("CancelButton");
        CancelButton->SetKind(TBitBtnKind::Cancel);
        CancelButton->SetBounds(92, 84, 75, 25);
    }
    TEdit* Answer;
    TMemo* Notes;
    TBitBtn* OkButton;
    TBitBtn* CancelButton;
};

class ModalLoop : public Win32Test {
protected:
    std::unique_ptr<TAskDialog> dialog = Application().CreateForm<TAskDialog>();
    // Posts the message to the control's window once the dialog is shown.
    void PostOnShow(TControl& control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        dialog->OnShow = [&control, message, wParam, lParam](TComponent&) {
            PostMessageW(WindowOf(control), message, wParam, lParam);
        };
    }
};

TEST_F(ModalLoop, OkEndsTheLoopWhileTheOwnerIsShutOutAndPutBackAfterwards)
{
    HWND owner = MakeOwnerWindow();
    Application().SetHandle(reinterpret_cast<std::uintptr_t>(owner));
    dialog = Application().CreateForm<TAskDialog>();
    SetActiveWindow(owner);
    SetFocus(owner);
    bool ownerEnabledDuring = true, dialogActiveDuring = false;
    dialog->OkButton->OnClick = [&](TComponent&) {
        ownerEnabledDuring = IsWindowEnabled(owner);
        dialogActiveDuring = GetActiveWindow() == WindowOf(*dialog);
    };
    PostOnShow(*dialog->OkButton, BM_CLICK);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(dialogActiveDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindowVisible(WindowOf(*dialog)));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetFocus(), owner);
}

TEST_F(ModalLoop, EscapeCancelsAndEnterPressesTheDefaultButton)
{
    PostOnShow(*dialog->Answer, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    PostOnShow(*dialog->Answer, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    // In a memo Enter makes a new line and Escape still cancels.
    dialog->OnShow = [this](TComponent&) {
        HWND notes = WindowOf(*dialog->Notes);
        SetFocus(notes);
        PostMessageW(notes, WM_CHAR, 'a', 0);
        PostMessageW(notes, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(notes, WM_CHAR, '\r', 0);
        PostMessageW(notes, WM_CHAR, 'b', 0);
        PostMessageW(notes, WM_KEYDOWN, VK_ESCAPE, 0);
    };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(dialog->Notes->Lines.Count(), 2);
    EXPECT_EQ(dialog->Notes->Text(), "a\r\nb\r\n");
}

TEST_F(ModalLoop, EnterOnAFocusedButtonClicksThatButton)
{
    dialog->OnShow = [this](TComponent&) {
        SetFocus(WindowOf(*dialog->CancelButton));
        PostMessageW(WindowOf(*dialog->CancelButton), WM_KEYDOWN, VK_RETURN, 0);
    };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(ModalLoop, TheCloseBoxCancelsOnceTheFormAgrees)
{
    int asked = 0;
    dialog->OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = ++asked > 1; };
    dialog->OnShow = [this](TComponent&) {
        PostMessageW(WindowOf(*dialog), WM_CLOSE, 0, 0);
        PostMessageW(WindowOf(*dialog), WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST_F(ModalLoop, AFailingHandlerLeavesShowModalAndPutsTheOwnerBack)
{
    HWND owner = MakeOwnerWindow();
    Application().SetHandle(reinterpret_cast<std::uintptr_t>(owner));
    dialog = Application().CreateForm<TAskDialog>();
    dialog->OkButton->OnClick = [](TComponent&) { throw Exception("The disk is full"); };
    PostOnShow(*dialog->OkButton, BM_CLICK);
    EXPECT_THAT([&] { dialog->ShowModal(); },
                ThrowsMessage<Exception>("The disk is full"));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindowVisible(WindowOf(*dialog)));
    EXPECT_FALSE(dialog->Visible());
    // The dialog can be shown again.
    PostOnShow(*dialog->CancelButton, BM_CLICK);
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(ModalLoop, ANestedDialogShutsOutTheFirstUntilItCloses)
{
    auto inner = Application().CreateForm<TAskDialog>();
    bool outerEnabledDuring = true;
    inner->OkButton->OnClick = [&](TComponent&) { outerEnabledDuring = IsWindowEnabled(WindowOf(*dialog)); };
    inner->OnShow = [&](TComponent&) { PostMessageW(WindowOf(*inner->OkButton), BM_CLICK, 0, 0); };
    TModalResult innerResult = mrNone;
    bool outerEnabledAfter = false;
    // Opened from a timer inside the outer loop; the outer dialog is
    // cancelled once the inner one is gone.
    After(50, [&] {
        innerResult = inner->ShowModal();
        outerEnabledAfter = IsWindowEnabled(WindowOf(*dialog));
        dialog->ModalResult = mrCancel;
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(innerResult, mrOk);
    EXPECT_FALSE(outerEnabledDuring);
    EXPECT_TRUE(outerEnabledAfter);
}

TEST_F(ModalLoop, AMessageBoxFromADialogBelongsToTheDialogAndLeavesTheOwnerShutOut)
{
    HWND owner = MakeOwnerWindow();
    Application().SetHandle(reinterpret_cast<std::uintptr_t>(owner));
    dialog = Application().CreateForm<TAskDialog>();
    HWND boxOwner = nullptr;
    bool ownerEnabledAfterBox = true;
    dialog->OkButton->OnClick = [&](TComponent&) {
        After(50, [&] {
            HWND box = FindThreadWindow(L"#32770");
            boxOwner = box ? GetWindow(box, GW_OWNER) : nullptr;
            if (box)
                PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        ShowMessageBox("The output file exists.", "Lorivex", MessageIcon::Warning);
        // A box owned by Word's window would give it back its input here.
        ownerEnabledAfterBox = IsWindowEnabled(owner);
    };
    PostOnShow(*dialog->OkButton, BM_CLICK);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(boxOwner, WindowOf(*dialog));
    EXPECT_FALSE(ownerEnabledAfterBox);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(ModalLoop, AWorkersSynchronizedCallWakesTheWaitingLoop)
{
    std::thread worker;
    std::thread::id ranOn;
    dialog->OnShow = [&](TComponent&) {
        worker = std::thread([&] {
            Application().Synchronize([&] {
                ranOn = std::this_thread::get_id();
                dialog->ModalResult = mrOk;
            });
        });
    };
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(ModalLoop, AWorkersCallRunsEvenInsideAMessageBox)
{
    std::thread worker;
    bool boxWasUp = false;
    After(50, [&] {
        worker = std::thread([&] {
            Application().Synchronize([&] {
                HWND box = FindThreadWindow(L"#32770");
                boxWasUp = box != nullptr;
                if (box)
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
            });
        });
    });
    EXPECT_EQ(ShowMessageBox("Waiting for a worker", "Lorivex", MessageIcon::Information), mrOk);
    worker.join();
    EXPECT_TRUE(boxWasUp);
}

TEST_F(ModalLoop, ProcessMessagesDispatchesWhatWaitsWithoutBlockingAndRaisesFailures)
{
    dialog->Show();
    int clicked = 0;
    dialog->CancelButton->OnClick = [&](TComponent&) { ++clicked; };
    PostMessageW(WindowOf(*dialog->CancelButton), BM_CLICK, 0, 0);
    auto start = std::chrono::steady_clock::now();
    Application().ProcessMessages();
    Application().ProcessMessages();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(clicked, 1);

    dialog->CancelButton->OnClick = [](TComponent&) { throw Exception("Handler failed"); };
    PostMessageW(WindowOf(*dialog->CancelButton), BM_CLICK, 0, 0);
    EXPECT_THAT([&] { Application().ProcessMessages(); },
                ThrowsMessage<Exception>("Handler failed"));
}

} // namespace
} // namespace lorivex::ui::win32::test
