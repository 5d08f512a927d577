// The product's own dialogs on screen, kept as pictures next to the build
// (artifacts/*.bmp) for people to look at, and checked where a picture can
// be checked: the frame is around the client area, the banner starts with
// the active caption colour, the pictures read back as written.
#include "Win32Support.h"

#include "../../services/FakeWordApplication.h"
#include "../../services/ScopedInstall.h"
#include "platform/Images.h"
#include "services/AboutForm.h"
#include "services/DialogFrame.h"
#include "services/ExceptionDialog.h"
#include "ui/win32/Screenshot.h"

namespace lorivex::ui::win32::test {
namespace {

class Screenshots : public Win32Test {
protected:
    // Saves the whole window and returns its client area.
    TBitmap Save(TForm& form, const std::string& name)
    {
        Settle();
        TBitmap window = CaptureForm(form);
        std::string path = ArtifactsFolder() + "\\" + name;
        SaveBmp(window, path);
        platform::Image read = platform::ReadImageFile(path);
        EXPECT_EQ(read.Width, window.Width());
        EXPECT_EQ(read.Height, window.Height());
        EXPECT_EQ(read.Pixel(window.Width() / 2, window.Height() / 2),
                  window.Pixel(window.Width() / 2, window.Height() / 2));
        TBitmap client = CaptureForm(form, true);
        EXPECT_GT(window.Width(), client.Width());
        EXPECT_GT(window.Height(), client.Height());
        return client;
    }
};

TEST_F(Screenshots, TheAboutBox)
{
    lorivex::test::ScopedInstall install;
    auto about = CreateLorivexForm<TAboutForm>(0);
    about->Show();
    TBitmap client = Save(*about, "about-box.bmp");
    ASSERT_EQ(client.Width(), 416);
    ASSERT_EQ(client.Height(), 300);
    // The banner fills the whole box.
    EXPECT_EQ(client.Pixel(0, 150), TColor(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_EQ(client.Pixel(0, 299), TColor(GetSysColor(COLOR_ACTIVECAPTION)));
    // The white shadow of the title shows over it.
    bool shadow = false;
    for (int y = 16; y < 49 && !shadow; ++y)
        for (int x = 4; x < 381 && !shadow; ++x)
            shadow = client.Pixel(x, y) == clWhite;
    EXPECT_TRUE(shadow);
}

TEST_F(Screenshots, TheErrorDialogCollapsedAndWithDetails)
{
    auto dialog = CreateLorivexForm<TlxExceptionDialog>(0);
    dialog->WordApp = std::make_shared<lorivex::test::FakeWordApplication>(u"11.0");
    dialog->ExceptionLabel->SetCaption("The help compiler could not write the file C:\\Help\\manual.chm.");
    dialog->TraceListBox->Items.SetText("TLorivexModule.CompileHtmlHelpClick\r\nTCompileRun.Execute\r\n"
                                        "TCompileRun.RunCompiler\r\n");
    dialog->Show();
    TBitmap collapsed = Save(*dialog, "error-dialog.bmp");
    EXPECT_EQ(collapsed.Height(), 94);
    EXPECT_EQ(collapsed.Pixel(0, 0), TColor(GetSysColor(COLOR_ACTIVECAPTION)));

    // A person ticks the box: the details open below the message.
    SendMessageW(WindowOf(*dialog->DetailsCheckBox), BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog->TracePanel->Visible());
    EXPECT_TRUE(IsWindowVisible(WindowOf(*dialog->TraceListBox)));
    TBitmap details = Save(*dialog, "error-dialog-details.bmp");
    EXPECT_EQ(details.Height(), 202);
    EXPECT_EQ(SendMessageW(WindowOf(*dialog->TraceListBox), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ChildRect(WindowOf(*dialog->BottomPanel)), (RECT{0, 161, 327, 202}));
}

} // namespace
} // namespace lorivex::ui::win32::test
