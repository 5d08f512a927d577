// The controls as the system's windows, driven with the messages a person's
// actions produce; each reaches the toolkit, and the toolkit's changes
// reach the window.
#include "Win32Support.h"

#include <cstring>
#include <set>

#include "platform/CodePages.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Edits.h"
#include "ui/Labels.h"
#include "ui/ListBox.h"
#include "ui/TreeView.h"
#include "ui/win32/ChoicePeers.h"
#include "ui/win32/Screenshot.h"

namespace lorivex::ui::win32::test {
namespace {

class TControlsForm : public TForm {
public:
    TControlsForm()
    {
        SetCaption("Controls");
        SetBounds(60, 60, 420, 320);
    }
};

class ControlWindows : public Win32Test {
protected:
    std::unique_ptr<TControlsForm> form = Application().CreateForm<TControlsForm>();
    template <class T>
    T* Place(const std::string& name, int left, int top, int width, int height)
    {
        T* control = form->Add<T>(name);
        control->SetBounds(left, top, width, height);
        return control;
    }
    // The form's parent window receives the notification, as when a person
    // makes the change.
    static void Notify(const TControl& control, WORD code)
    {
        HWND window = WindowOf(control);
        SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code),
                     reinterpret_cast<LPARAM>(window));
    }
};

TEST_F(ControlWindows, ACheckBoxClickReachesTheToolkitAndTheToolkitsStateReachesTheBox)
{
    auto* check = Place<TCheckBox>("Check", 8, 8, 150, 17);
    check->SetCaption("Overwrite existing file");
    int clicks = 0;
    check->OnClick = [&](TComponent&) { ++clicks; };
    form->Show();
    HWND box = WindowOf(*check);
    EXPECT_EQ(WindowText(box), "Overwrite existing file");
    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    check->SetChecked(false);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(clicks, 2);
    check->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(box));
}

TEST_F(ControlWindows, EditsTakeTypedTextAndShowTheProgramsText)
{
    auto* edit = Place<TEdit>("Edit", 8, 8, 200, 21);
    auto* locked = Place<TEdit>("Locked", 8, 36, 200, 21);
    locked->ReadOnly = true;
    std::vector<std::string> changes;
    edit->OnChange = [&](TComponent&) { changes.push_back(edit->Text()); };
    form->Show();
    HWND window = WindowOf(*edit);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"manual.chm"));
    EXPECT_EQ(edit->Text(), "manual.chm");
    EXPECT_EQ(changes, (std::vector<std::string>{"manual.chm"}));
    // ANSI text of the toolkit becomes UTF-16 in the window.
    std::string ansi = platform::Utf16ToAnsi(u"Caf\u00e9");
    edit->SetText(ansi);
    wchar_t text[32] = {};
    GetWindowTextW(window, text, 32);
    EXPECT_EQ(std::wstring(text), L"Caf\u00e9");
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_TRUE(GetWindowLongW(WindowOf(*locked), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & ES_READONLY);
}

TEST_F(ControlWindows, MemosHoldTheLinesAndFollowTheirWordWrap)
{
    auto* memo = Place<TMemo>("Memo", 8, 8, 200, 80);
    memo->WordWrap = false;
    memo->Lines.Add("first line");
    memo->Lines.Add("second line");
    int changes = 0;
    memo->OnChange = [&](TComponent&) { ++changes; };
    form->Show();
    HWND window = WindowOf(*memo);
    EXPECT_EQ(WindowText(window), "first line\r\nsecond line");
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    // Typed or pasted over everything (a multi-line edit reports no change
    // for WM_SETTEXT).
    SendMessageW(window, EM_SETSEL, 0, -1);
    SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"a\r\nb\r\nc"));
    ASSERT_EQ(memo->Lines.Count(), 3);
    EXPECT_EQ(memo->Lines[2], "c");
    EXPECT_EQ(changes, 1);
    memo->Lines.Add("d");
    EXPECT_EQ(WindowText(window), "a\r\nb\r\nc\r\nd");
    // Word wrap is the window's creation style: shown again, it has a new one.
    memo->WordWrap = true;
    form->Hide();
    form->Show();
    HWND wrapped = WindowOf(*memo);
    EXPECT_FALSE(GetWindowLongW(wrapped, GWL_STYLE) & ES_AUTOHSCROLL);
    EXPECT_EQ(WindowText(wrapped), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(ChildRect(wrapped), (RECT{8, 8, 208, 88}));
}

TEST_F(ControlWindows, ADropDownListShowsTheSortedItemsAndReportsAPersonsChoice)
{
    auto* combo = Place<TComboBox>("Language", 108, 4, 237, 21);
    combo->Items.Add("Pascal");
    combo->Items.Add("C/C++");
    combo->Items.Add("Basic");
    combo->SetSorted(true);
    std::vector<std::string> chosen;
    combo->OnChange = [&](TComponent&) { chosen.push_back(combo->Text()); };
    form->Show();
    HWND window = WindowOf(*combo);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    ASSERT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 3);
    std::vector<std::wstring> shown;
    for (int i = 0; i < 3; ++i) {
        wchar_t text[32] = {};
        SendMessageW(window, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        shown.push_back(text);
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Basic", L"C/C++", L"Pascal"}));
    SendMessageW(window, CB_SETCURSEL, 2, 0);
    Notify(*combo, CBN_SELCHANGE);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(chosen, (std::vector<std::string>{"Pascal"}));
    // The program's choice shows and runs no handler.
    combo->SetItemIndex(0);
    EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(chosen.size(), 1u);
    combo->Items.Add("Ada");
    EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 4);
    RECT r = ChildRect(window);
    EXPECT_EQ(r.left, 108);
    EXPECT_EQ(r.top, 4);
    EXPECT_EQ(r.right, 345);
}

TEST_F(ControlWindows, OwnerDrawnListItemsAreMeasuredAndPaintedThroughTheCanvas)
{
    auto* list = Place<TListBox>("List", 8, 8, 200, 120);
    list->Style = TListBoxStyle::OwnerDrawVariable;
    const int heights[] = {16, 24, 20};
    const TColor colors[] = {Rgb(200, 0, 0), Rgb(0, 160, 0), Rgb(0, 0, 200)};
    list->OnMeasureItem = [&](TComponent&, int index, int& height) { height = heights[index]; };
    struct Drawn {
        int Index;
        TRect Rect;
        TOwnerDrawState State;
    };
    std::vector<Drawn> drawn;
    list->OnDrawItem = [&](TComponent&, int index, TRect rect, TOwnerDrawState state) {
        drawn.push_back({index, rect, state});
        TCanvas& canvas = *list->Canvas();
        canvas.Brush.Color = (state & odSelected) ? clWhite : colors[index];
        canvas.FillRect(rect);
    };
    for (const char* line : {"Compiling", "Writing the index", "Done"})
        list->Items.Add(line);
    form->Show();
    Settle();
    HWND window = WindowOf(*list);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(SendMessageW(window, LB_GETITEMHEIGHT, i, 0), heights[i]);
    std::set<int> painted;
    for (const Drawn& d : drawn) {
        RECT item{};
        SendMessageW(window, LB_GETITEMRECT, d.Index, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(d.Rect, FromRect(item)) << d.Index;
        painted.insert(d.Index);
    }
    EXPECT_EQ(painted, (std::set<int>{0, 1, 2}));
    TBitmap picture = CaptureWindow(window, true);
    EXPECT_EQ(picture.Pixel(100, 16 + 12), colors[1]);
    EXPECT_EQ(picture.Pixel(100, 40 + 10), colors[2]);

    // A person selects an item: the toolkit knows, and it is drawn selected.
    int clicks = 0;
    list->OnClick = [&](TComponent&) { ++clicks; };
    drawn.clear();
    SendMessageW(window, LB_SETCURSEL, 1, 0);
    Notify(*list, LBN_SELCHANGE);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    Settle();
    EXPECT_EQ(CaptureWindow(window, true).Pixel(100, 16 + 12), clWhite);
    bool selectedDrawn = false;
    for (const Drawn& d : drawn)
        selectedDrawn |= d.Index == 1 && (d.State & odSelected);
    EXPECT_TRUE(selectedDrawn);

    // The horizontal range follows ScrollWidth, set after the items.
    list->Items.Add("A very long line of compiler output that needs the horizontal scroll bar");
    list->ScrollWidth = 640;
    Settle();
    EXPECT_EQ(SendMessageW(window, LB_GETHORIZONTALEXTENT, 0, 0), 640);
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 4);
}

TEST_F(ControlWindows, AProgressListKeepsItsNewestLineWhollyInView)
{
    // The compile window: a list filling a low tool window, one line added
    // and selected at a time, the scroll range set after each.
    form->BorderStyle = TFormBorderStyle::ToolWindow;
    form->SetClientHeight(115);
    auto* list = form->Add<TListBox>("CompilerListBox");
    list->SetAlign(TAlign::Client);
    list->Style = TListBoxStyle::OwnerDrawVariable;
    list->ItemHeight = 16;
    form->Show();
    HWND window = WindowOf(*list);
    for (int i = 0; i < 20; ++i) {
        list->Items.Add("Compiling topic " + std::to_string(i) + " of a rather long document");
        list->SetItemIndex(list->Items.Count() - 1);
        list->ScrollWidth = 900;
        Application().ProcessMessages();
    }
    Settle();
    RECT client{}, last{};
    GetClientRect(window, &client);
    SendMessageW(window, LB_GETITEMRECT, 19, reinterpret_cast<LPARAM>(&last));
    EXPECT_LE(last.bottom, client.bottom);
    EXPECT_GE(last.top, 0);
    EXPECT_EQ(list->TopIndex(), SendMessageW(window, LB_GETTOPINDEX, 0, 0));
    EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), 19);
}

TEST_F(ControlWindows, ATreeViewKeepsTheToolkitsMultiSelection)
{
    auto* tree = Place<TTreeView>("Tree", 8, 8, 250, 200);
    TImageList images;
    for (TColor color : {Rgb(200, 160, 0), clWhite, Rgb(0, 0, 160)})
        images.Add(std::make_shared<TBitmap>(16, 16, color));
    tree->Images = &images;
    tree->MultiSelect = true;
    tree->ReadOnly = true;
    tree->HideSelection = false;
    TTreeNode& install = tree->Items.AddChild(nullptr, "Installation");
    install.ImageIndex = install.SelectedIndex = 0;
    TTreeNode& disk = tree->Items.AddChild(&install, "Disk space");
    TTreeNode& memory = tree->Items.AddChild(&install, "Memory");
    TTreeNode& editing = tree->Items.AddChild(nullptr, "The topic being edited");
    for (TTreeNode* node : {&disk, &memory})
        node->ImageIndex = node->SelectedIndex = 1;
    editing.ImageIndex = editing.SelectedIndex = 2;
    tree->OnChanging = [](TComponent&, TTreeNode& node, bool& allow) { allow = node.ImageIndex != 2; };
    tree->FullExpand();
    form->Show();
    Settle();
    HWND window = WindowOf(*tree);
    EXPECT_EQ(SendMessageW(window, TVM_GETCOUNT, 0, 0), 4);
    EXPECT_NE(SendMessageW(window, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
    EXPECT_EQ(SendMessageW(window, TVM_GETINDENT, 0, 0), 19);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & TVS_SHOWSELALWAYS);
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & TVS_EDITLABELS);

    // The items in the control, found by walking it the way it shows them.
    auto item = [&](const std::string& text) {
        for (auto at = HTREEITEM(SendMessageW(window, TVM_GETNEXTITEM, TVGN_ROOT, 0)); at;
             at = HTREEITEM(SendMessageW(window, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, LPARAM(at)))) {
            wchar_t buffer[64] = {};
            TVITEMW tv{};
            tv.mask = TVIF_TEXT | TVIF_HANDLE;
            tv.hItem = at;
            tv.pszText = buffer;
            tv.cchTextMax = 64;
            SendMessageW(window, TVM_GETITEMW, 0, LPARAM(&tv));
            if (Wide(text) == buffer)
                return at;
        }
        ADD_FAILURE() << "no item " << text;
        return HTREEITEM(nullptr);
    };
    auto click = [&](const std::string& text, WPARAM keys) {
        // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
        RECT r{};
        HTREEITEM target = item(text);
        std::memcpy(&r, &target, sizeof target);
        SendMessageW(window, TVM_GETITEMRECT, TRUE, LPARAM(&r));
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(window, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
        SendMessageW(window, WM_LBUTTONUP, keys, at);
    };
    auto marked = [&](const std::string& text) {
        return (SendMessageW(window, TVM_GETITEMSTATE, WPARAM(item(text)), TVIS_SELECTED) & TVIS_SELECTED) != 0;
    };
    TVITEMW image{};
    image.mask = TVIF_IMAGE | TVIF_HANDLE;
    image.hItem = item("Memory");
    SendMessageW(window, TVM_GETITEMW, 0, LPARAM(&image));
    EXPECT_EQ(image.iImage, 1);

    click("Disk space", 0);
    click("Memory", MK_CONTROL);
    EXPECT_EQ(tree->SelectionCount(), 2);
    EXPECT_TRUE(marked("Disk space"));
    EXPECT_TRUE(marked("Memory"));
    click("Disk space", MK_CONTROL);
    EXPECT_EQ(tree->SelectionCount(), 1);
    EXPECT_EQ(tree->Selected(), &memory);
    EXPECT_FALSE(marked("Disk space"));
    EXPECT_TRUE(marked("Memory"));
    // The toolkit refuses the topic being edited.
    click("The topic being edited", MK_CONTROL);
    EXPECT_EQ(tree->SelectionCount(), 1);
    EXPECT_FALSE(marked("The topic being edited"));
    click("Installation", 0);
    EXPECT_EQ(tree->SelectionCount(), 1);
    EXPECT_TRUE(marked("Installation"));
    EXPECT_FALSE(marked("Memory"));

    // The program's selection shows as well.
    tree->Select(disk, ssCtrl);
    EXPECT_TRUE(marked("Disk space"));
    EXPECT_EQ(HTREEITEM(SendMessageW(window, TVM_GETNEXTITEM, TVGN_CARET, 0)), item("Disk space"));

    // A person collapses the caret's parent from the keyboard.
    click("Installation", 0);
    SendMessageW(window, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_FALSE(install.Expanded());
    install.Expand(false);
    EXPECT_TRUE(SendMessageW(window, TVM_GETITEMSTATE, WPARAM(item("Installation")), TVIS_EXPANDED) & TVIS_EXPANDED);

    // Nodes added while the tree is on screen arrive once the burst is over.
    tree->Items.AddChild(&install, "Processor");
    tree->Items.AddChild(&install, "Network");
    Settle();
    EXPECT_EQ(SendMessageW(window, TVM_GETCOUNT, 0, 0), 6);
}

TEST_F(ControlWindows, ARadioGroupLaysOutItsItemsAndReportsTheChoice)
{
    auto* group = Place<TRadioGroup>("Kind", 8, 8, 250, 105);
    group->SetCaption("Variable type");
    for (const char* item : {"Topic title", "Compiled file", "Compile time"})
        group->Items.Add(item);
    group->SetItemIndex(0);
    int clicks = 0;
    group->OnClick = [&](TComponent&) { ++clicks; };
    form->Show();
    auto* peer = dynamic_cast<RadioGroupPeer*>(WindowPeer::Of(*group));
    ASSERT_NE(peer, nullptr);
    HWND second = peer->Button(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WindowText(second), "Compiled file");
    EXPECT_EQ(SendMessageW(peer->Button(0), BM_GETCHECK, 0, 0), BST_CHECKED);
    // One column, top to bottom inside the frame.
    RECT first = ChildRect(peer->Button(0)), next = ChildRect(second);
    EXPECT_EQ(first.left, 8);
    EXPECT_GT(next.top, first.top);
    EXPECT_LE(ChildRect(peer->Button(2)).bottom, 105);
    SendMessageW(second, BM_CLICK, 0, 0);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageW(second, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(peer->Button(0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    group->SetItemIndex(2);
    EXPECT_EQ(SendMessageW(peer->Button(2), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(second, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlWindows, LabelsAreClickedLikeLinksAndShowTheirCursor)
{
    auto* link = Place<TLabel>("Link", 8, 8, 0, 0);
    link->Font.Color = clNavy;
    link->Cursor = TCursor::HandPoint;
    link->SetCaption("https://www.lorivex.com/");
    std::vector<std::string> clicked;
    link->OnClick = [&](TComponent& sender) { clicked.push_back(dynamic_cast<TLabel&>(sender).Caption()); };
    form->Show();
    HWND window = WindowOf(*link);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(clicked, (std::vector<std::string>{"https://www.lorivex.com/"}));
    // Released elsewhere, it is no click.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(-20, 3));
    EXPECT_EQ(clicked.size(), 1u);
    SendMessageW(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    // The hourglass of a busy program wins over every control's cursor.
    Application().SetScreenCursor(TCursor::HourGlass);
    SendMessageW(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    Application().SetScreenCursor(TCursor::Default);
}

TEST_F(ControlWindows, ControlsGetTheirFontAsTheToolkitDescribesIt)
{
    auto* edit = Place<TEdit>("Edit", 8, 8, 200, 24);
    edit->Font.Name = "Arial";
    edit->Font.Height = 16;
    edit->Font.Style = fsBold | fsItalic;
    form->Show();
    auto font = reinterpret_cast<HFONT>(SendMessageW(WindowOf(*edit), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW log{};
    GetObjectW(font, sizeof log, &log);
    EXPECT_EQ(log.lfHeight, -16);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_TRUE(log.lfItalic);
    EXPECT_EQ(std::wstring(log.lfFaceName), L"Arial");
}

} // namespace
} // namespace lorivex::ui::win32::test
