// The product's own dialogs on screen, kept as pictures next to the build
// (artifacts/*.bmp) for people to look at, and checked where a picture can
// be checked: the frame is around the client area, the banner starts with
// the active caption colour, the pictures read back as written.
#include "Win32Support.h"

#include "FakeWordApplication.h"
#include "../../services/ScopedInstall.h"
#include "platform/Clipboard.h"
#include "platform/Images.h"
#include "services/CaptionBanner.h"
#include "services/AboutForm.h"
#include "services/DialogFrame.h"
#include "services/ExceptionDialog.h"
#include "ui/ComboBox.h"
#include "ui/Edits.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"
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

    // The picture copies the report when the mouse goes down on it.
    platform::SetClipboardText("");
    SendMessageW(WindowOf(*dialog->CopyToClipboardImg), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    SendMessageW(WindowOf(*dialog->CopyToClipboardImg), WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(platform::GetClipboardText().starts_with("Time of Error: "));
    // The label next to the box closes the details again.
    HWND label = WindowOf(*dialog->ShowDetailsLabel);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_FALSE(dialog->DetailsCheckBox->Checked());
    EXPECT_EQ(SendMessageW(WindowOf(*dialog->DetailsCheckBox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    RECT client{};
    GetClientRect(WindowOf(*dialog), &client);
    EXPECT_EQ(client.bottom, 94);
}

// A dialog of every kind of control the product's dialogs use, as a
// person would see them together.
class TGalleryForm : public TForm {
public:
    TGalleryForm()
    {
        SetCaption("See Also");
        BorderStyle = TFormBorderStyle::SizeToolWin;
        SetBounds(40, 40, 520, 330);
        auto* caption = Add<TPanel>("CaptionPanel");
        caption->SetHeight(25);
        caption->SetAlign(TAlign::Top);
        caption->SetCaption("Relevant topics for 'Memory'");
        auto* banner = caption->Add<TPaintBox>("CaptionPaintBox");
        banner->SetAlign(TAlign::Client);
        banner->OnPaint = [](TComponent& sender) { PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), true); };
        Tree = Add<TTreeView>("TopicTree");
        Tree->SetBounds(8, 33, 200, 240);
        for (TColor color : {Rgb(230, 190, 60), clWhite, Rgb(90, 90, 200)}) {
            auto picture = std::make_shared<TBitmap>(16, 16, Rgb(255, 0, 255));
            for (int y = 2; y < 14; ++y)
                for (int x = 3; x < 13; ++x)
                    picture->SetPixel(x, y, x == 3 || x == 12 || y == 2 || y == 13 ? clBlack : color);
            picture->SetTransparentColor(Rgb(255, 0, 255));
            Images.Add(picture);
        }
        Tree->Images = &Images;
        Tree->MultiSelect = true;
        TTreeNode& install = Tree->Items.AddChild(nullptr, "Installation");
        install.ImageIndex = install.SelectedIndex = 0;
        for (const char* text : {"Disk space", "Memory", "Processor"}) {
            TTreeNode& node = Tree->Items.AddChild(&install, text);
            node.ImageIndex = node.SelectedIndex = 1;
        }
        TTreeNode& usage = Tree->Items.AddChild(nullptr, "Usage");
        usage.ImageIndex = usage.SelectedIndex = 2;
        Tree->FullExpand();
        Tree->Select(install.Item(0));
        Tree->Select(install.Item(2), ssCtrl);
        Language = Add<TComboBox>("LanguageCombo");
        Language->SetBounds(216, 33, 180, 21);
        for (const char* text : {"Pascal", "C/C++", "HTML"})
            Language->Items.Add(text);
        Language->SetSorted(true);
        Language->SetItemIndex(1);
        auto* open = Add<TSpeedButton>("OpenButton");
        open->Flat = true;
        open->SetBounds(400, 33, 23, 22);
        open->Glyph = Images[0];
        auto* line = Add<TBevel>("Bevel1");
        line->Shape = TBevelShape::TopLine;
        line->SetBounds(216, 62, 296, 2);
        Variables = Add<TRadioGroup>("TopicVariableGroup");
        Variables->SetCaption("Variable type");
        Variables->SetBounds(216, 70, 296, 80);
        for (const char* text : {"Topic title", "Compiled file", "Compile time"})
            Variables->Items.Add(text);
        Variables->SetItemIndex(0);
        auto* memo = Add<TMemo>("PopupTextMemo");
        memo->WordWrap = false;
        memo->SetBounds(216, 156, 296, 50);
        memo->Lines.SetText("A popup text\r\nover two lines");
        Viewer = Add<TSampleViewer>("PreviewEdit");
        Viewer->SetBounds(216, 212, 296, 61);
        auto* bottom = Add<TPanel>("Panel1");
        bottom->SetHeight(41);
        bottom->SetAlign(TAlign::Bottom);
        auto* ok = bottom->Add<TBitBtn>("BitBtn1");
        ok->SetKind(TBitBtnKind::Ok);
        ok->SetBounds(8, 8, 75, 25);
        auto* cancel = bottom->Add<TBitBtn>("BitBtn2");
        cancel->SetKind(TBitBtnKind::Cancel);
        cancel->SetBounds(92, 8, 75, 25);
        auto* check = bottom->Add<TCheckBox>("OpenHelpCB");
        check->SetCaption("Open help after compilation");
        check->SetBounds(200, 12, 180, 17);
        check->SetChecked(true);
    }

    // A read-only viewer that paints its lines itself, as the code viewer does.
    class TSampleViewer : public TCustomControl {
    public:
        TSampleViewer()
        {
            Color = clWhite;
            Font.Name = "Courier New";
            Font.SetSize(10);
        }
        void Paint() override
        {
            TCanvas& canvas = *Canvas();
            canvas.Font = Font;
            const char* lines[] = {"procedure Compile;", "begin", "  Run;", "end;"};
            int y = 0;
            for (const char* line : lines) {
                canvas.Font.Color = y == 0 ? clNavy : clBlack;
                canvas.Font.Style = y == 0 ? TFontStyles(fsBold) : 0;
                canvas.TextOut(2, y, line);
                y += canvas.TextHeight(line);
            }
        }
    };

    TImageList Images;
    TTreeView* Tree;
    TComboBox* Language;
    TRadioGroup* Variables;
    TSampleViewer* Viewer;
};

TEST_F(Screenshots, EveryKindOfControlTogether)
{
    auto form = Application().CreateForm<TGalleryForm>();
    form->Show();
    TBitmap client = Save(*form, "controls.bmp");
    EXPECT_EQ(client.Width(), 520);
    EXPECT_EQ(client.Height(), 330);
    // The pictures of the tree and of the flat button leave out their
    // transparent colour.
    int magenta = 0;
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
            magenta += client.Pixel(x, y) == Rgb(255, 0, 255);
    EXPECT_EQ(magenta, 0);
    // The custom viewer painted its first line in navy on white.
    TBitmap viewer = CaptureWindow(WindowOf(*form->Viewer), true);
    bool navy = false;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 120; ++x)
            navy |= viewer.Pixel(x, y) == clNavy;
    EXPECT_TRUE(navy);
    EXPECT_EQ(viewer.Pixel(250, 50), clWhite);
    // A click gives it the focus.
    SendMessageW(WindowOf(*form->Viewer), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(WindowOf(*form->Viewer), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), WindowOf(*form->Viewer));
}

} // namespace
} // namespace lorivex::ui::win32::test
