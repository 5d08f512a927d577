// Forms as windows: their client area is the form's size whatever the
// frame, the controls sit where the toolkit puts them, and changes go both
// ways (the program's to the window, a person's sizing to the form).
#include "Win32Support.h"

#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Labels.h"
#include "ui/Panels.h"

namespace lorivex::ui::win32::test {
namespace {

class TLayoutForm : public TForm {
public:
    TLayoutForm()
    {
        SetCaption("Layout");
        SetBounds(40, 30, 320, 200);
        TopPanel = Add<TPanel>("Top");
        TopPanel->SetHeight(25);
        TopPanel->SetAlign(TAlign::Top);
        BottomPanel = Add<TPanel>("Bottom");
        BottomPanel->SetHeight(41);
        BottomPanel->SetAlign(TAlign::Bottom);
        Ok = BottomPanel->Add<TBitBtn>("Ok");
        Ok->SetKind(TBitBtnKind::Ok);
        Ok->SetBounds(8, 8, 75, 25);
        NameEdit = Add<TEdit>("Name");
        NameEdit->SetBounds(12, 40, 150, 21);
        NameLabel = Add<TLabel>("Label");
        NameLabel->SetBounds(12, 70, 0, 0);
        NameLabel->SetCaption("Name of the topic");
    }
    TPanel* TopPanel;
    TPanel* BottomPanel;
    TBitBtn* Ok;
    TEdit* NameEdit;
    TLabel* NameLabel;
};

using FormWindow = Win32Test;

TEST_F(FormWindow, TheClientAreaIsTheFormsSizeForEveryBorderStyle)
{
    struct Case {
        TFormBorderStyle Style;
        bool Sizing, Tool, ModalFrame;
    };
    const Case cases[] = {
        {TFormBorderStyle::Sizeable, true, false, false}, {TFormBorderStyle::Single, false, false, false},
        {TFormBorderStyle::Dialog, false, false, true},   {TFormBorderStyle::ToolWindow, false, true, false},
        {TFormBorderStyle::SizeToolWin, true, true, false},
    };
    for (const Case& c : cases) {
        auto form = Application().CreateForm<TLayoutForm>();
        form->BorderStyle = c.Style;
        form->Show();
        HWND window = WindowOf(*form);
        ASSERT_NE(window, nullptr);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 320) << int(c.Style);
        EXPECT_EQ(client.bottom, 200) << int(c.Style);
        LONG style = GetWindowLongW(window, GWL_STYLE), exStyle = GetWindowLongW(window, GWL_EXSTYLE);
        EXPECT_EQ((style & WS_THICKFRAME) != 0, c.Sizing) << int(c.Style);
        EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0, c.Tool) << int(c.Style);
        EXPECT_EQ((exStyle & WS_EX_DLGMODALFRAME) != 0, c.ModalFrame) << int(c.Style);
        EXPECT_TRUE(style & WS_CAPTION);
        RECT frame{};
        GetWindowRect(window, &frame);
        EXPECT_EQ(frame.left, 40);
        EXPECT_EQ(frame.top, 30);
    }
}

TEST_F(FormWindow, ControlsSitWhereTheToolkitPutsThem)
{
    auto form = Application().CreateForm<TLayoutForm>();
    form->Show();
    auto rectOf = [](const TControl& control) { return ChildRect(WindowOf(control)); };
    EXPECT_EQ(rectOf(*form->TopPanel), (RECT{0, 0, 320, 25}));
    EXPECT_EQ(rectOf(*form->BottomPanel), (RECT{0, 159, 320, 200}));
    // Positions inside a panel are the panel's own.
    EXPECT_EQ(GetParent(WindowOf(*form->Ok)), WindowOf(*form->BottomPanel));
    EXPECT_EQ(rectOf(*form->Ok), (RECT{8, 8, 83, 33}));
    EXPECT_EQ(rectOf(*form->NameEdit), (RECT{12, 40, 162, 61}));
    // A label sizes itself with the screen's font metrics.
    SIZE text{};
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
    HGDIOBJ previous = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, L"Name of the topic", 17, &text);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(rectOf(*form->NameLabel), (RECT{12, 70, 12 + text.cx, 70 + text.cy}));
    EXPECT_EQ(WindowText(WindowOf(*form->NameLabel)), "Name of the topic");

    // The program resizes the form: the bottom panel follows.
    form->SetClientHeight(260);
    RECT client{};
    GetClientRect(WindowOf(*form), &client);
    EXPECT_EQ(client.bottom, 260);
    EXPECT_EQ(rectOf(*form->BottomPanel), (RECT{0, 219, 320, 260}));
}

TEST_F(FormWindow, APersonsResizingReachesTheFormAndItsAlignedControls)
{
    auto form = Application().CreateForm<TLayoutForm>();
    int resized = 0;
    form->OnResize = [&](TComponent&) { ++resized; };
    form->Show();
    HWND window = WindowOf(*form);
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 100, 80, frame.right - frame.left + 50, frame.bottom - frame.top + 30,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(form->ClientWidth(), 370);
    EXPECT_EQ(form->ClientHeight(), 230);
    EXPECT_EQ(form->Left(), 100);
    EXPECT_EQ(form->Top(), 80);
    EXPECT_GE(resized, 1);
    EXPECT_EQ(ChildRect(WindowOf(*form->TopPanel)), (RECT{0, 0, 370, 25}));
    EXPECT_EQ(ChildRect(WindowOf(*form->BottomPanel)), (RECT{0, 189, 370, 230}));
}

TEST_F(FormWindow, PositionOwnerCaptionVisibilityAndEnablingFollowTheToolkit)
{
    HWND owner = MakeOwnerWindow();
    Application().SetHandle(reinterpret_cast<std::uintptr_t>(owner));
    auto form = Application().CreateForm<TLayoutForm>();
    form->Position = TPosition::ScreenCenter;
    form->Show();
    HWND window = WindowOf(*form);
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner);
    EXPECT_EQ(form->Left(), (GetSystemMetrics(SM_CXSCREEN) - 320) / 2);
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, form->Left());
    EXPECT_EQ(frame.top, form->Top());

    form->SetCaption("Renamed");
    EXPECT_EQ(WindowText(window), "Renamed");
    form->NameEdit->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(WindowOf(*form->NameEdit)));
    form->BottomPanel->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(WindowOf(*form->BottomPanel)));
    EXPECT_FALSE(IsWindowVisible(WindowOf(*form->Ok)));
    form->Hide();
    EXPECT_FALSE(IsWindowVisible(window));
    // Shown again, the same window comes back.
    form->Show();
    EXPECT_EQ(WindowOf(*form), window);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(FormWindow, ControlsAddedToAShownFormGetWindowsAndTheWindowsGoWithTheForm)
{
    auto form = Application().CreateForm<TLayoutForm>();
    form->Show();
    auto* late = form->TopPanel->Add<TCheckBox>("Late");
    late->SetBounds(4, 4, 100, 17);
    late->SetCaption("Added later");
    HWND lateWindow = WindowOf(*late);
    ASSERT_NE(lateWindow, nullptr);
    EXPECT_EQ(GetParent(lateWindow), WindowOf(*form->TopPanel));
    EXPECT_EQ(ChildRect(lateWindow), (RECT{4, 4, 104, 21}));
    EXPECT_EQ(WindowText(lateWindow), "Added later");
    HWND window = WindowOf(*form);
    form.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(lateWindow));
}

TEST_F(FormWindow, HintsShowAsTooltipsOfTheirControls)
{
    auto form = Application().CreateForm<TLayoutForm>();
    form->NameEdit->Hint = "Enter the filename of the compiled help file...";
    form->NameEdit->ShowHint = true;
    form->Ok->Hint = "Start compilation";
    form->Ok->ShowHint = false;
    form->Show();
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wstring(name) == TOOLTIPS_CLASSW)
                *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindow(tooltip, GW_OWNER), WindowOf(*form));
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = WindowOf(*form);
    tool.uId = reinterpret_cast<UINT_PTR>(WindowOf(*form->NameEdit));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(text), L"Enter the filename of the compiled help file...");
    // Hints are plain fields: shown again, the form has the new set.
    form->Ok->ShowHint = true;
    form->Hide();
    form->Show();
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
}

} // namespace
} // namespace lorivex::ui::win32::test
