// The add-in as Word gets it from the module: the toolbar with its controls,
// the keyboard shortcut, the popup menus, and which command each control
// starts.
#include <set>

#include "commands/CommandFixture.h"
#include "commands/Glyphs.h"
#include "services/HtmlHelp.h"
#include "services/word/CommandBars.h"

namespace lorivex::test {
namespace {

using ::testing::HasSubstr;

struct ExpectedControl {
    std::string Caption;
    bool BeginGroup;
    std::string Tooltip;
    std::string Tag;
    int Revision;
};

const THostCommandBarButton& Button(const THostCommandBarControl* control)
{
    auto* button = dynamic_cast<const THostCommandBarButton*>(control);
    EXPECT_NE(button, nullptr) << control->Caption;
    return *button;
}

TEST(ModuleDefinition, TheAddInIsWordsAndHandlesItsShortcut)
{
    TLorivexModule module;
    EXPECT_EQ(module.AddInName, "Lorivex OfficeAddin");
    EXPECT_EQ(module.Description, "Lorivex for Microsoft Word");
    EXPECT_TRUE(module.RegisterForAllUsers);
    EXPECT_EQ(module.SupportedApps, unsigned(ohaWord));
    EXPECT_TRUE(module.HandleShortcuts);
    EXPECT_EQ(module.LoadBehavior, 3);
    EXPECT_TRUE(module.OnError && module.OnAddInInitialize && module.OnAddInFinalize);
    // No ribbon markup of its own: the handlers leave the markup alone.
    std::string markup = "<customUI/>";
    module.OnRibbonBeforeCreate(module, markup);
    module.OnRibbonBeforeLoad(module, markup);
    EXPECT_EQ(markup, "<customUI/>");
    ASSERT_EQ(module.CommandBars.size(), 1u);
    EXPECT_EQ(module.CommandBars[0], &module.LorivexCommandBar);
    ASSERT_EQ(module.Shortcuts.size(), 1u);
    EXPECT_EQ(module.Shortcuts[0], &module.InsertKeywordShortcut);
    EXPECT_EQ(module.InsertKeywordShortcut.ShortcutText, "Ctrl+Shift+Alt+K");
    EXPECT_EQ(module.InsertKeywordShortcut.SupportedApps, unsigned(ohaWord));
}

TEST(ModuleDefinition, TheToolbarIsDockedAtTheTopInRowTwoAndCannotBeCustomized)
{
    TLorivexModule module;
    const THostCommandBar& bar = module.LorivexCommandBar;
    EXPECT_EQ(bar.CommandBarName, "Lorivex 2008");
    EXPECT_EQ(bar.Position, word::msoBarTop);
    EXPECT_EQ(bar.RowIndex, 2);
    EXPECT_EQ(bar.Left, 0);
    EXPECT_EQ(bar.Top, 0);
    EXPECT_EQ(bar.Protection, 1) << "msoBarNoCustomize";
    EXPECT_TRUE(bar.Enabled);
    EXPECT_TRUE(bar.Visible);
    EXPECT_FALSE(bar.Temporary);
    EXPECT_TRUE(bar.UseForRibbon);
    EXPECT_EQ(bar.SupportedApps, unsigned(ohaWord));
    EXPECT_EQ(bar.PropertyChanged, 14);
}

TEST(ModuleDefinition, TheToolbarsControlsInDisplayOrder)
{
    TLorivexModule module;
    const auto& controls = module.LorivexCommandBar.Controls;
    ASSERT_EQ(controls.size(), 5u);

    // Word's own control leads, with nothing of the module's.
    const auto& builtIn = Button(controls[0].get());
    EXPECT_EQ(builtIn.OfficeID, 1714);
    EXPECT_EQ(builtIn.OfficeTag, "{937D4866-0F37-4F2F-9517-9788D025D79D}");
    EXPECT_EQ(builtIn.PropertyChanged, 7);
    EXPECT_EQ(builtIn.Caption, "");
    EXPECT_FALSE(builtIn.BeginGroup);
    EXPECT_FALSE(builtIn.Glyph);
    EXPECT_FALSE(builtIn.OnClick);

    ASSERT_TRUE(controls[1]->IsPopup());
    EXPECT_EQ(controls[1]->Caption, "&Tools");
    EXPECT_TRUE(controls[1]->BeginGroup);
    EXPECT_EQ(controls[1]->TooltipText, "");
    EXPECT_EQ(controls[1]->OfficeTag, "{4BC23521-4A5A-4E3A-BC41-1DFEB0346732}");
    EXPECT_EQ(controls[1]->PropertyChanged, 5);

    const ExpectedControl buttons[] = {
        {"Compile Help File", true, "Create Html Help file", "{170762A3-C868-4973-92BF-D6D890D818B2}", 17},
        {"About", true, "Show program information", "{6E3D4EE0-F362-4956-8684-14AC2B1F2740}", 9},
        {"Help on Lorivex ", false, "Show Lorivex documentation", "{8ADDFB69-52F9-4372-AB36-1AA409E5B39B}", 17},
    };
    for (size_t i = 0; i < std::size(buttons); ++i) {
        const auto& button = Button(controls[i + 2].get());
        EXPECT_EQ(button.Caption, buttons[i].Caption);
        EXPECT_EQ(button.BeginGroup, buttons[i].BeginGroup) << buttons[i].Caption;
        EXPECT_EQ(button.TooltipText, buttons[i].Tooltip);
        EXPECT_EQ(button.OfficeTag, buttons[i].Tag);
        EXPECT_EQ(button.PropertyChanged, buttons[i].Revision) << buttons[i].Caption;
        EXPECT_EQ(button.OfficeID, 1) << "a control of the add-in";
        EXPECT_EQ(button.Style, word::msoButtonAutomatic);
        EXPECT_TRUE(button.OnClick);
    }
}

TEST(ModuleDefinition, TheToolsSubmenuInDisplayOrderWithPasteCodeShowingIconAndCaption)
{
    TLorivexModule module;
    auto& tools = dynamic_cast<THostCommandBarPopup&>(*module.LorivexCommandBar.Controls.at(1));
    const ExpectedControl items[] = {
        {"&Recent...", false, "", "{04AF01F9-E6E4-455B-8EDB-924FA66BC1CC}", 10},
        {"T&emplates", false, "", "{86DF27A2-0972-4D5A-B893-E49B4AA2ADC4}", 8},
        {"&Symbols", true, "", "{50B9C14B-0E02-4127-A6B7-849B3A7CA536}", 9},
        {"&Text Popup...", false, "", "{5027CDB3-75C5-4E11-9795-043FCC735BBB}", 9},
        {"&Insert Variable...", false, "", "{8540DD63-AC37-49E7-83AE-F71675FBC8CA}", 10},
        {"&Related Topics...", false, "", "{6AA41413-5F44-40C8-B47F-F7A5F3D9A356}", 8},
        {"&Paste Code...", false, "", "{1B916A66-3D60-40AD-BCE2-E77E427B5D60}", 10},
        {"&Linked StyleSheet (.css)...", false, "", "{7611E7B9-3B2D-4ADD-B575-1BC9DDE03B8B}", 10},
    };
    ASSERT_EQ(tools.Controls.size(), std::size(items));
    for (size_t i = 0; i < std::size(items); ++i) {
        const auto& button = Button(tools.Controls[i].get());
        EXPECT_EQ(button.Caption, items[i].Caption);
        EXPECT_EQ(button.BeginGroup, items[i].BeginGroup) << items[i].Caption;
        EXPECT_EQ(button.TooltipText, "") << items[i].Caption;
        EXPECT_EQ(button.OfficeTag, items[i].Tag) << items[i].Caption;
        EXPECT_EQ(button.PropertyChanged, items[i].Revision) << items[i].Caption;
        EXPECT_EQ(button.Style, items[i].Caption == "&Paste Code..." ? word::msoButtonIconAndCaption
                                                                      : word::msoButtonAutomatic)
            << items[i].Caption;
    }
    // The whole list, popups unfolded, is what the host layer walks.
    auto all = module.LorivexCommandBar.AllControls();
    ASSERT_EQ(all.size(), 5u + std::size(items));
    EXPECT_EQ(all[2]->Caption, "&Recent...");
    EXPECT_EQ(all[10]->Caption, "Compile Help File");
}

TEST(ModuleDefinition, EveryButtonHasItsOwnSixteenPixelPicture)
{
    TLorivexModule module;
    std::set<std::vector<ui::TColor>> pictures;
    int buttons = 0;
    for (auto* control : module.LorivexCommandBar.AllControls()) {
        auto* button = dynamic_cast<THostCommandBarButton*>(control);
        if (!button || button->OfficeID != 1)
            continue;
        ++buttons;
        ASSERT_TRUE(button->Glyph) << button->Caption;
        EXPECT_EQ(button->Glyph->Width(), 16) << button->Caption;
        EXPECT_EQ(button->Glyph->Height(), 16) << button->Caption;
        std::vector<ui::TColor> pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pixels.push_back(button->Glyph->Pixel(x, y));
        EXPECT_GT(std::set<ui::TColor>(pixels.begin(), pixels.end()).size(), 1u)
            << button->Caption << " has an empty picture";
        pictures.insert(pixels);
    }
    EXPECT_EQ(buttons, 11);
    EXPECT_EQ(pictures.size(), 11u) << "two buttons share a picture";
}

TEST(ModuleDefinition, ThePopupMenusAndTheirPictures)
{
    TLorivexModule module;
    EXPECT_EQ(module.RecentMenu.Name, "RecentMenu");
    EXPECT_EQ(module.TemplatesPopup.Name, "TemplatesPopup");
    EXPECT_EQ(module.SymbolsPopup.Name, "SymbolsPopup");
    EXPECT_EQ(module.RecentMenu.Images, &module.RecentImages);
    EXPECT_EQ(module.TemplatesPopup.Images, &module.RecentImages);
    EXPECT_EQ(module.SymbolsPopup.Images, nullptr) << "each symbol carries its own picture";
    ASSERT_EQ(module.RecentImages.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(module.RecentImages[i]->Width(), 16);
        EXPECT_EQ(module.RecentImages[i]->Height(), 16);
    }
    // Index 0 a Word document, index 1 a compiled help file.
    auto same = [](const ui::TBitmap& a, const ui::TBitmap& b) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    };
    EXPECT_TRUE(same(*module.RecentImages[0], *MakeGlyph(TGlyph::WordDocument)));
    EXPECT_TRUE(same(*module.RecentImages[1], *MakeGlyph(TGlyph::HelpFile)));
    EXPECT_FALSE(same(*module.RecentImages[0], *module.RecentImages[1]));

    EXPECT_EQ(module.OpenStyleSheetDlg.Name, "OpenStyleSheetDlg");
    EXPECT_EQ(module.OpenStyleSheetDlg.Kind(), ui::TFileDialogKind::Open);
    EXPECT_EQ(module.OpenStyleSheetDlg.Filter, "Style Sheet Files (*.css)|*.css|Any file (*.*)|*.*");
    EXPECT_EQ(module.OpenStyleSheetDlg.FilterIndex, 1);
    EXPECT_EQ(module.OpenStyleSheetDlg.DefaultExt, ".css");
    EXPECT_EQ(module.OpenStyleSheetDlg.Title, "");
    EXPECT_EQ(module.OpenStyleSheetDlg.Options & ui::ofFileMustExist, 0u);
}

// Each control starts its own command: clicked with no document open and
// no one to answer a dialog, the failure names the handler that ran.
class ControlWiring : public CommandTest {};

TEST_F(ControlWiring, EachControlAndTheShortcutRunTheirOwnHandler)
{
    const std::pair<std::string, std::string> handlers[] = {
        {"&Recent...", "RecentFilesClick"},
        {"T&emplates", "TemplatesClick"},
        {"&Symbols", "SymbolsClick"},
        {"&Text Popup...", "TextPopupClick"},
        {"&Insert Variable...", "InsertTopicVariableClick"},
        {"&Related Topics...", "SeeAlsoClick"},
        {"&Paste Code...", "PasteCodeClick"},
        {"&Linked StyleSheet (.css)...", "IncludeCustomStyleSheetClick"},
        {"Compile Help File", "CompileHtmlHelpClick"},
        {"About", "AboutLorivexClick"},
        {"Help on Lorivex ", "ShowApplicationHelpClick"},
    };
    auto all = Module.LorivexCommandBar.AllControls();
    for (const auto& [caption, handler] : handlers) {
        THostCommandBarButton* button = nullptr;
        for (auto* control : all)
            if (control->Caption == caption)
                button = dynamic_cast<THostCommandBarButton*>(control);
        ASSERT_NE(button, nullptr) << caption;
        auto failure = FailureOf([&] { button->OnClick(*button); });
        EXPECT_THAT(failure.CallStack(), ::testing::StartsWith("TLorivexModule." + handler + "\r\n"))
            << caption << ": " << failure.Message();
    }
    auto failure = FailureOf([&] { Module.InsertKeywordShortcut.OnAction(Module.InsertKeywordShortcut); });
    EXPECT_THAT(failure.CallStack(), ::testing::StartsWith("TLorivexModule.InsertIndexShortcutAction\r\n"));
}

} // namespace
} // namespace lorivex::test
