// The add-in's definition as Word gets it: the toolbar "Lorivex 2008" with
// its controls and the keyboard shortcut. The tags find the controls again
// in Word; the revisions decide when Word applies the definition again.
#include "commands/Glyphs.h"
#include "commands/LorivexModule.h"
#include "services/word/CommandBars.h"

namespace lorivex {

namespace {

constexpr long msoBarNoCustomize = 1;

struct ButtonDefinition {
    const char* Name;
    const char* Caption;
    bool BeginGroup;
    const char* Tooltip;
    void (TLorivexModule::*Handler)(ui::TComponent&);
    const char* Tag;
    int Revision;
    TGlyph Glyph;
};

const ButtonDefinition ToolbarButtons[] = {
    {"CompileButton", "Compile Help File", true, "Create Html Help file", &TLorivexModule::CompileHtmlHelpClick,
     "{170762A3-C868-4973-92BF-D6D890D818B2}", 17, TGlyph::Compile},
    {"AboutButton", "About", true, "Show program information", &TLorivexModule::AboutLorivexClick,
     "{6E3D4EE0-F362-4956-8684-14AC2B1F2740}", 9, TGlyph::About},
    {"HelpButton", "Help on Lorivex ", false, "Show Lorivex documentation", &TLorivexModule::ShowApplicationHelpClick,
     "{8ADDFB69-52F9-4372-AB36-1AA409E5B39B}", 17, TGlyph::Help},
};

const ButtonDefinition ToolsButtons[] = {
    {"RecentButton", "&Recent...", false, "", &TLorivexModule::RecentFilesClick,
     "{04AF01F9-E6E4-455B-8EDB-924FA66BC1CC}", 10, TGlyph::Recent},
    {"TemplatesButton", "T&emplates", false, "", &TLorivexModule::TemplatesClick,
     "{86DF27A2-0972-4D5A-B893-E49B4AA2ADC4}", 8, TGlyph::Templates},
    {"SymbolsButton", "&Symbols", true, "", &TLorivexModule::SymbolsClick, "{50B9C14B-0E02-4127-A6B7-849B3A7CA536}",
     9, TGlyph::Symbols},
    {"TextPopupButton", "&Text Popup...", false, "", &TLorivexModule::TextPopupClick,
     "{5027CDB3-75C5-4E11-9795-043FCC735BBB}", 9, TGlyph::TextPopup},
    {"InsertVariableButton", "&Insert Variable...", false, "", &TLorivexModule::InsertTopicVariableClick,
     "{8540DD63-AC37-49E7-83AE-F71675FBC8CA}", 10, TGlyph::Variable},
    {"RelatedTopicsButton", "&Related Topics...", false, "", &TLorivexModule::SeeAlsoClick,
     "{6AA41413-5F44-40C8-B47F-F7A5F3D9A356}", 8, TGlyph::RelatedTopics},
    {"PasteCodeButton", "&Paste Code...", false, "", &TLorivexModule::PasteCodeClick,
     "{1B916A66-3D60-40AD-BCE2-E77E427B5D60}", 10, TGlyph::PasteCode},
    {"StyleSheetButton", "&Linked StyleSheet (.css)...", false, "", &TLorivexModule::IncludeCustomStyleSheetClick,
     "{7611E7B9-3B2D-4ADD-B575-1BC9DDE03B8B}", 10, TGlyph::StyleSheet},
};

void Define(THostCommandBarButton& button, const ButtonDefinition& definition, TLorivexModule& module)
{
    button.Caption = definition.Caption;
    button.BeginGroup = definition.BeginGroup;
    button.TooltipText = definition.Tooltip;
    button.OfficeTag = definition.Tag;
    button.PropertyChanged = definition.Revision;
    button.Style = word::msoButtonAutomatic;
    button.Glyph = MakeGlyph(definition.Glyph);
    button.OnClick = [&module, handler = definition.Handler](ui::TComponent& sender) { (module.*handler)(sender); };
}

} // namespace

void TLorivexModule::DefineToolbar()
{
    auto& bar = LorivexCommandBar;
    bar.Name = "LorivexCommandBar";
    bar.CommandBarName = "Lorivex 2008";
    bar.Position = word::msoBarTop;
    bar.RowIndex = 2;
    bar.Left = 0;
    bar.Top = 0;
    bar.Protection = msoBarNoCustomize;
    bar.Enabled = true;
    bar.Visible = true;
    bar.Temporary = false;
    bar.UseForRibbon = true;
    bar.SupportedApps = ohaWord;
    bar.PropertyChanged = 14;

    // Word's own control 1714 leads the toolbar; Word gives it caption and action.
    auto& builtIn = bar.AddButton("BuiltInControl");
    builtIn.OfficeID = 1714;
    builtIn.OfficeTag = "{937D4866-0F37-4F2F-9517-9788D025D79D}";
    builtIn.PropertyChanged = 7;

    auto& tools = bar.AddPopup("ToolsPopup");
    tools.Caption = "&Tools";
    tools.BeginGroup = true;
    tools.OfficeTag = "{4BC23521-4A5A-4E3A-BC41-1DFEB0346732}";
    tools.PropertyChanged = 5;
    for (const auto& definition : ToolsButtons) {
        auto& button = tools.AddButton(definition.Name);
        Define(button, definition, *this);
        if (std::string(definition.Name) == "PasteCodeButton")
            button.Style = word::msoButtonIconAndCaption;
    }
    for (const auto& definition : ToolbarButtons)
        Define(bar.AddButton(definition.Name), definition, *this);

    InsertKeywordShortcut.Name = "InsertKeywordShortcut";
    InsertKeywordShortcut.ShortcutText = "Ctrl+Shift+Alt+K";
    InsertKeywordShortcut.SupportedApps = ohaWord;
    InsertKeywordShortcut.OnAction = [this](ui::TComponent& sender) { InsertKeywordShortcutAction(sender); };

    CommandBars = {&LorivexCommandBar};
    Shortcuts = {&InsertKeywordShortcut};
}

} // namespace lorivex
