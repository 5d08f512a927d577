// The system's own dialogs as the toolkit shows them: message boxes, the
// open and save dialogs and popup menus appear owned by the right window,
// with what the toolkit asked for, and what a person does in them comes
// back. Each is answered from a timer, as a person would answer it.
#include "Win32Support.h"

#include <fstream>

#include "TestSupport.h"
#include "ui/Dialogs.h"
#include "ui/Menus.h"
#include "ui/win32/CommonDialogs.h"
#include "ui/win32/Screenshot.h"

namespace lorivex::ui::win32::test {
namespace {

class SystemDialogs : public Win32Test {
protected:
    // Runs the answer on the dialog once it is up; fails when none comes.
    void AnswerDialog(const wchar_t* className, std::function<void(HWND)> answer, int waited = 0)
    {
        After(50, [=, this] {
            if (HWND window = FindThreadWindow(className))
                answer(window);
            else if (waited < 5000)
                AnswerDialog(className, answer, waited + 50);
            else
                ADD_FAILURE() << "no dialog came up";
        });
    }
};

TEST_F(SystemDialogs, AMessageBoxIsOwnedByTheOwnerWindowAndGivesThePressedButton)
{
    HWND owner = MakeOwnerWindow();
    Application().SetHandle(reinterpret_cast<std::uintptr_t>(owner));
    HWND boxOwner = nullptr;
    std::string caption, text;
    bool hasYes = false, hasNo = false, hasCancel = true;
    AnswerDialog(L"#32770", [&](HWND box) {
        boxOwner = GetWindow(box, GW_OWNER);
        caption = WindowText(box);
        text = WindowText(GetDlgItem(box, 0xFFFF));
        hasYes = GetDlgItem(box, IDYES) != nullptr;
        hasNo = GetDlgItem(box, IDNO) != nullptr;
        hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
        PostMessageW(box, WM_COMMAND, IDNO, 0);
    });
    EXPECT_EQ(ShowMessageBox("Replace the existing help file?", "Lorivex", MessageIcon::Question,
                             MessageButtons::YesNo),
              mrNo);
    EXPECT_EQ(boxOwner, owner);
    EXPECT_EQ(caption, "Lorivex");
    EXPECT_EQ(text, "Replace the existing help file?");
    EXPECT_TRUE(hasYes);
    EXPECT_TRUE(hasNo);
    EXPECT_FALSE(hasCancel);
    EXPECT_TRUE(IsWindowEnabled(owner));

    AnswerDialog(L"#32770", [](HWND box) { PostMessageW(box, WM_COMMAND, IDRETRY, 0); });
    EXPECT_EQ(ShowMessageBox("The compiler is busy.", "Lorivex", MessageIcon::Warning, MessageButtons::RetryCancel),
              mrRetry);
}

TEST_F(SystemDialogs, FiltersBecomePairsEndedByTwoNuls)
{
    EXPECT_EQ(FileDialogFilter("Stylesheets (*.css)|*.css|Any file (*.*)|*.*"),
              std::wstring(L"Stylesheets (*.css)\0*.css\0Any file (*.*)\0*.*\0\0", 46));
}

// The file name field of the explorer-style dialog: the combo box cmb13
// (0x47C) of <dlgs.h>, or the older edit box edt1 (0x480).
HWND FileNameField(HWND dialog)
{
    if (HWND combo = GetDlgItem(dialog, 0x47C))
        return combo;
    return GetDlgItem(dialog, 0x480);
}

TEST_F(SystemDialogs, TheOpenDialogGivesTheFullPathOfTheChosenFile)
{
    lorivex::test::TempFolder folder;
    lorivex::test::WriteTextFile(folder / "site.css", "body {}");
    TOpenDialog dialog;
    dialog.Title = "Select a stylesheet";
    dialog.Filter = "Stylesheets (*.css)|*.css|Any file (*.*)|*.*";
    dialog.DefaultExt = ".css";
    dialog.InitialDir = folder.Path();
    dialog.Options = ofFileMustExist | ofHideReadOnly;
    std::string title;
    AnswerDialog(L"#32770", [&](HWND window) {
        title = WindowText(window);
        SetWindowTextW(FileNameField(window), L"site.css");
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(title, "Select a stylesheet");
    EXPECT_EQ(dialog.FileName, folder / "site.css");
    EXPECT_EQ(dialog.FilterIndex, 1);

    // Cancelled, nothing changes.
    AnswerDialog(L"#32770", [](HWND window) { PostMessageW(window, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, folder / "site.css");
}

TEST_F(SystemDialogs, TheSaveDialogAddsTheDefaultExtension)
{
    lorivex::test::TempFolder folder;
    TSaveDialog dialog;
    dialog.Filter = "HTML Help files (*.chm)|*.chm";
    dialog.DefaultExt = "chm";
    dialog.InitialDir = folder.Path();
    dialog.Options = ofOverwritePrompt | ofHideReadOnly;
    AnswerDialog(L"#32770", [](HWND window) {
        SetWindowTextW(FileNameField(window), L"manual");
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, folder / "manual.chm");
}

// A square of the colour on a transparent magenta ground.
TBitmapPtr Square(TColor color)
{
    auto picture = std::make_shared<TBitmap>(16, 16, Rgb(255, 0, 255));
    for (int y = 3; y < 13; ++y)
        for (int x = 3; x < 13; ++x)
            picture->SetPixel(x, y, color);
    return picture;
}

bool Shows(const TBitmap& picture, TColor color)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) == color)
                return true;
    return false;
}

class MenuDialogs : public SystemDialogs {
protected:
    MenuDialogs()
    {
        images.Add(Square(clRed));
        menu.Images = &images;
        menu.Name = "RecentMenu";
        TMenuItem& open = menu.Add("&Open recent");
        open.ImageIndex = 0;
        open.OnClick = [this](TComponent&) { clicked.push_back("open"); };
        menu.Add("-");
        TMenuItem& locked = menu.Add("&Locked");
        locked.Enabled = false;
        locked.OnClick = [this](TComponent&) { clicked.push_back("locked"); };
        TMenuItem& symbols = menu.Add("&Symbols");
        symbols.Bitmap = Square(clNavy);
        symbols.OnClick = [this](TComponent&) { clicked.push_back("symbols"); };
        TMenuItem& hidden = menu.Add("&Hidden");
        hidden.Visible = false;
    }
    TImageList images;
    TPopupMenu menu;
    std::vector<std::string> clicked;
};

TEST_F(MenuDialogs, APopupMenuShowsItsItemsAndRunsTheChosenOne)
{
    int count = 0;
    UINT separator = 0, locked = 0;
    bool openPicture = false, symbolsPicture = false;
    std::wstring third;
    TBitmap picture;
    AnswerDialog(L"#32768", [&](HWND window) {
        picture = CaptureWindow(window);
        SaveBmp(picture, ArtifactsFolder() + "\\popup-menu.bmp");
        auto menuHandle = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        count = GetMenuItemCount(menuHandle);
        separator = GetMenuState(menuHandle, 1, MF_BYPOSITION);
        locked = GetMenuState(menuHandle, 2, MF_BYPOSITION);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_BITMAP;
        GetMenuItemInfoW(menuHandle, 0, TRUE, &info);
        openPicture = info.hbmpItem != nullptr;
        GetMenuItemInfoW(menuHandle, 3, TRUE, &info);
        symbolsPicture = info.hbmpItem != nullptr;
        wchar_t text[32] = {};
        GetMenuStringW(menuHandle, 3, text, 32, MF_BYPOSITION);
        third = text;
        // The person presses the item's key.
        PostMessageW(window, WM_CHAR, 's', 0);
    });
    menu.Popup(100, 100);
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(separator & MF_SEPARATOR);
    EXPECT_TRUE(locked & MF_GRAYED);
    EXPECT_TRUE(openPicture);
    EXPECT_TRUE(symbolsPicture);
    EXPECT_EQ(third, L"&Symbols");
    EXPECT_TRUE(Shows(picture, clRed));
    EXPECT_TRUE(Shows(picture, clNavy));
    EXPECT_FALSE(Shows(picture, Rgb(255, 0, 255)));
    EXPECT_EQ(clicked, (std::vector<std::string>{"symbols"}));
    EXPECT_EQ(menu.PopupPoint(), (TPoint{100, 100}));
}

TEST_F(MenuDialogs, ADismissedMenuRunsNothing)
{
    AnswerDialog(L"#32768", [](HWND window) { PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0); });
    menu.Popup(50, 60);
    EXPECT_TRUE(clicked.empty());
    // Arrow keys walk past the line and the greyed item.
    AnswerDialog(L"#32768", [](HWND window) {
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    });
    menu.Popup(50, 60);
    EXPECT_EQ(clicked, (std::vector<std::string>{"open"}));
}

TEST_F(SystemDialogs, TheScreenTheCursorAndTheTextMeasures)
{
    auto& backend = Application().Backend();
    EXPECT_EQ(backend.ScreenSize(), (TSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    SetCursorPos(123, 45);
    EXPECT_EQ(Application().CursorPos(), (TPoint{123, 45}));
    Application().SetScreenCursor(TCursor::HourGlass);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    Application().SetScreenCursor(TCursor::Default);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    TFont font;
    TFont bold = font;
    bold.Style = fsBold;
    TSize normal = backend.MeasureText("Compiling topics", font);
    EXPECT_GT(normal.Width, 0);
    EXPECT_GT(backend.MeasureText("Compiling topics", bold).Width, normal.Width);
    // A canvas outside painting measures the same way.
    TForm form;
    TCanvas canvas(&form);
    canvas.Font = font;
    EXPECT_EQ(canvas.TextExtent("Compiling topics"), normal);
    EXPECT_EQ(canvas.ClipRect(), form.ClientRect());
}

} // namespace
} // namespace lorivex::ui::win32::test
