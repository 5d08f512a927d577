#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Labels.h"
#include "ui/ListBox.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"
#include "ui/headless/RecordingCanvas.h"

namespace lorivex::ui {
namespace {

class TLayoutForm : public TForm {
public:
    TLayoutForm()
    {
        SetBounds(0, 0, 300, 200);
        Top = Add<TPanel>("Top");
        Middle = Add<TPanel>("Middle");
        Bottom = Add<TPanel>("Bottom");
        Rest = Add<TPanel>("Rest");
        for (auto [panel, align, height] : {std::tuple{Top, TAlign::Top, 25}, {Middle, TAlign::Top, 40},
                                             {Bottom, TAlign::Bottom, 41}, {Rest, TAlign::Client, 0}}) {
            panel->SetHeight(height);
            panel->SetAlign(align);
        }
    }
    TPanel *Top, *Middle, *Bottom, *Rest;
};

TEST(Layout, AlignedPanelsStackAndHiddenOnesTakeNoRoom)
{
    auto form = Application().CreateForm<TLayoutForm>();
    EXPECT_EQ(form->Middle->BoundsRect(), (TRect{0, 25, 300, 65}));
    EXPECT_EQ(form->Bottom->BoundsRect(), (TRect{0, 159, 300, 200}));
    EXPECT_EQ(form->Rest->BoundsRect(), (TRect{0, 65, 300, 159}));

    form->Middle->SetVisible(false);
    EXPECT_EQ(form->Rest->BoundsRect(), (TRect{0, 25, 300, 159}));

    int resized = 0;
    form->OnResize = [&](TComponent&) { ++resized; };
    form->SetClientHeight(100);
    form->SetLeft(30); // moving is no resize
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(form->Bottom->BoundsRect(), (TRect{0, 59, 300, 100}));
    EXPECT_EQ(form->Rest->BoundsRect(), (TRect{0, 25, 300, 59}));
}

TEST(Controls, ACheckBoxTellsEveryChangeAndIgnoresClicksWhenDisabled)
{
    TCheckBox box;
    int told = 0;
    box.OnClick = [&](TComponent&) { ++told; };
    box.SetChecked(true);
    box.SetChecked(true);
    box.Click();
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(told, 2);
    box.SetEnabled(false);
    box.Click();
    EXPECT_FALSE(box.Checked());
}

TEST(Controls, ALabelSizesItselfWithTheHeadlessMetric)
{
    TPanel panel;
    auto* label = panel.Add<TLabel>("Label1");
    label->SetCaption("Build no:"); // 9 characters of 5 pixels, 13 high
    EXPECT_EQ(label->Width(), 45);
    EXPECT_EQ(label->Height(), 13);
}

TEST(Controls, ASortedDropDownKeepsItsObjectsAndSelection)
{
    TComboBox combo;
    for (const char* name : {"Perl", "C#", "css", "Java"})
        combo.Items.Add(name, std::make_shared<std::string>(std::string("highlighter ") + name));
    combo.SetItemIndex(3);
    int changes = 0;
    combo.OnChange = [&](TComponent&) { ++changes; };
    combo.SetSorted(true);
    EXPECT_EQ(combo.Text(), "Java");
    EXPECT_EQ(combo.Items[1], "css"); // letter case does not count
    EXPECT_EQ(*std::static_pointer_cast<std::string>(combo.Items.Objects(0)), "highlighter C#");
    combo.Choose(3);
    EXPECT_EQ(combo.Text(), "Perl");
    EXPECT_EQ(changes, 1); // only the person's choice
}

TEST(Controls, TextOfAListSplitsAtEveryKindOfLineEnd)
{
    TStrings lines;
    lines.SetText("a\r\nb\rc\n\r\n");
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines.Text(), "a\r\nb\r\nc\r\n\r\n");
    lines.SetText("");
    EXPECT_EQ(lines.Count(), 0);
}

TEST(TreeView, CtrlClicksAddAndRemoveAndRefusedNodesStayOut)
{
    TTreeView tree;
    tree.MultiSelect = true;
    auto& guide = tree.Items.AddChild(nullptr, "Guide");
    auto& intro = tree.Items.AddChild(&guide, "Intro");
    auto& setup = tree.Items.AddChild(&guide, "Setup");
    auto& edited = tree.Items.AddChild(nullptr, "Edited");
    edited.ImageIndex = edited.SelectedIndex = edited.StateIndex = 2;
    tree.OnChanging = [](TComponent&, TTreeNode& node, bool& allow) { allow = node.ImageIndex != 2; };

    tree.ClickNode(setup, ssCtrl);
    tree.ClickNode(intro, ssCtrl);
    tree.ClickNode(edited, ssCtrl);
    ASSERT_EQ(tree.SelectionCount(), 2);
    EXPECT_EQ(&tree.Selections(0), &setup);
    EXPECT_EQ(&tree.Selections(1), &intro);
    tree.ClickNode(setup, ssCtrl);
    EXPECT_FALSE(setup.Selected());
    tree.ClickNode(guide);
    EXPECT_EQ(tree.SelectionCount(), 1);
    EXPECT_EQ(tree.Items.Count(), 4);
    EXPECT_EQ(intro.Level(), 1);
}

TEST(ListBox, OwnerDrawnItemsOfVariableHeightGetStackedRectangles)
{
    TListBox list;
    list.SetBounds(0, 0, 200, 40);
    list.Style = TListBoxStyle::OwnerDrawVariable;
    list.ItemHeight = 16;
    for (const char* line : {"Starting compiler...", "Compiling", "Done"})
        list.Items.Add(line);
    std::vector<std::pair<TRect, TOwnerDrawState>> drawn;
    list.OnDrawItem = [&](TComponent&, int, TRect rect, TOwnerDrawState state) {
        drawn.push_back({rect, state});
        list.Canvas()->TextRect(rect, rect.Left + 2, rect.Top + 2, "x");
    };
    list.SetItemIndex(2); // scrolls the last item into view
    EXPECT_EQ(list.TopIndex(), 1);
    auto picture = headless::Paint(list);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].first, (TRect{0, 0, 200, 16}));
    EXPECT_EQ(drawn[1].first, (TRect{0, 16, 200, 32}));
    EXPECT_EQ(drawn[1].second, TOwnerDrawState(odSelected));
    EXPECT_EQ(picture.Texts[1].Clip, (TRect{0, 16, 200, 32}));
    EXPECT_EQ(list.Canvas()->TextWidth("Compiling"), 45); // measuring works outside painting
}

} // namespace
} // namespace lorivex::ui
