// The toolbar "Lorivex 2008" as Word gets it from the module's definition,
// and what later starts of Word do with the author's changes to it.
#include "host/HostFixture.h"

#include "commands/Glyphs.h"
#include "platform/Registry.h"

namespace lorivex::test {
namespace {

using platform::RootKey;

class HostToolbar : public HostTest {
protected:
    std::optional<uint32_t> Recorded(const std::string& subkey, const std::string& name)
    {
        auto& registry = platform::GetRegistry();
        const std::string key = std::string(UserKey) + "\\" + subkey;
        if (registry.GetValueKind(RootKey::CurrentUser, key, name) != platform::ValueKind::DWord)
            return std::nullopt;
        return registry.ReadDWord(RootKey::CurrentUser, key, name);
    }
};

TEST_F(HostToolbar, FirstStartBuildsTheDefinition)
{
    Start();
    auto bar = Toolbar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->BuiltIn());
    EXPECT_TRUE(bar->Visible());
    EXPECT_TRUE(bar->Enabled());
    EXPECT_EQ(bar->Position(), word::msoBarTop);
    EXPECT_EQ(bar->RowIndex(), 2);
    EXPECT_EQ(bar->Left(), 0);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_EQ(bar->Protection(), word::msoBarNoCustomize);

    auto controls = bar->Controls();
    ASSERT_EQ(controls->Count(), 5);
    auto builtIn = controls->Item(1);
    EXPECT_EQ(builtIn->Id(), 1714);
    EXPECT_TRUE(builtIn->BuiltIn());
    EXPECT_EQ(builtIn->Caption(), u"Built-in control 1714") << "Word's own caption stays";
    EXPECT_EQ(builtIn->Tag(), word::ToWord(BuiltInTag));
    EXPECT_FALSE(builtIn->BeginGroup());

    auto tools = controls->Item(2);
    EXPECT_EQ(tools->Type(), word::msoControlPopup);
    EXPECT_EQ(tools->Caption(), u"&Tools");
    EXPECT_EQ(tools->Tag(), word::ToWord(ToolsTag));
    EXPECT_TRUE(tools->BeginGroup());
    EXPECT_EQ(Captions(tools->Controls()),
              (std::vector<std::string>{"&Recent...", "T&emplates", "&Symbols", "&Text Popup...", "&Insert Variable...",
                                        "&Related Topics...", "&Paste Code...", "&Linked StyleSheet (.css)..."}));
    std::vector<bool> groups;
    std::vector<long> styles;
    for (long i = 1; i <= 8; ++i) {
        groups.push_back(tools->Controls()->Item(i)->BeginGroup());
        styles.push_back(tools->Controls()->Item(i)->Style());
        EXPECT_EQ(tools->Controls()->Item(i)->TooltipText(), u"");
    }
    EXPECT_EQ(groups, (std::vector<bool>{false, false, true, false, false, false, false, false}));
    EXPECT_EQ(styles, (std::vector<long>{0, 0, 0, 0, 0, 0, word::msoButtonIconAndCaption, 0}));

    EXPECT_EQ(Captions(controls), (std::vector<std::string>{"Built-in control 1714", "&Tools", "Compile Help File",
                                                            "About", "Help on Lorivex "}));
    EXPECT_EQ(controls->Item(3)->Tag(), word::ToWord(CompileTag));
    EXPECT_EQ(controls->Item(3)->TooltipText(), u"Create Html Help file");
    EXPECT_TRUE(controls->Item(3)->BeginGroup());
    EXPECT_EQ(controls->Item(4)->TooltipText(), u"Show program information");
    EXPECT_TRUE(controls->Item(4)->BeginGroup());
    EXPECT_EQ(controls->Item(5)->Tag(), word::ToWord(HelpTag));
    EXPECT_EQ(controls->Item(5)->TooltipText(), u"Show Lorivex documentation");
    EXPECT_FALSE(controls->Item(5)->BeginGroup());
    EXPECT_EQ(controls->Item(5)->Style(), word::msoButtonAutomatic);
}

TEST_F(HostToolbar, FirstStartRecordsEveryRevision)
{
    Start();
    EXPECT_EQ(Recorded("CommandBars", "Lorivex 2008"), 14u);
    EXPECT_EQ(Recorded("Controls", BuiltInTag), 7u);
    EXPECT_EQ(Recorded("Controls", ToolsTag), 5u);
    EXPECT_EQ(Recorded("Controls", CompileTag), 17u);
    EXPECT_EQ(Recorded("Controls", AboutTag), 9u);
    EXPECT_EQ(Recorded("Controls", RecentTag), 10u);
    EXPECT_EQ(Recorded("Controls", PasteCodeTag), 10u);
    EXPECT_EQ(platform::GetRegistry().GetValueNames(RootKey::CurrentUser, std::string(UserKey) + "\\Controls").size(),
              13u);
}

TEST_F(HostToolbar, ButtonsShowTheirGlyphsThroughPictureAndMask)
{
    Start();
    const auto glyph = MakeGlyph(TGlyph::Compile);
    const auto picture = Control(CompileTag)->Picture();
    const auto mask = Control(CompileTag)->Mask();
    ASSERT_EQ(picture.Width, 16);
    ASSERT_EQ(mask.Height, 16);
    const ui::TColor transparent = glyph->TransparentColor();
    int shown = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool hidden = glyph->Pixel(x, y) == transparent;
            EXPECT_EQ(mask.Pixel(x, y), hidden ? ui::clWhite : ui::clBlack) << x << "," << y;
            if (!hidden) {
                ++shown;
                EXPECT_EQ(picture.Pixel(x, y), glyph->Pixel(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(shown, 20) << "the glyph draws something";
    // Every button of the module's own has a face; the pictures differ.
    EXPECT_NE(Control(PasteCodeTag)->Picture().Pixels, picture.Pixels);
    EXPECT_EQ(Control(BuiltInTag)->Picture().Width, 0) << "Word draws its own control";
}

TEST_F(HostToolbar, ClickingCompileReachesTheModule)
{
    Start();
    auto messages = ErrorsOf([&] { Control(CompileTag)->Execute(); });
    EXPECT_EQ(messages, std::vector<std::string>{"This command cannot be executed when no document is active."});
}

TEST_F(HostToolbar, ASecondStartKeepsTheAuthorsChanges)
{
    Start();
    // The author rearranges the toolbar in Word.
    Toolbar()->SetPosition(word::msoBarBottom);
    Toolbar()->SetRowIndex(5);
    Control(AboutTag)->Move(1);
    Control(CompileTag)->SetVisible(false);
    Control(HelpTag)->Delete();
    Control(RecentTag)->SetCaption(u"Mine");
    Close();

    Start();
    EXPECT_EQ(Toolbar()->Position(), word::msoBarBottom);
    EXPECT_EQ(Toolbar()->RowIndex(), 5);
    EXPECT_EQ(Control(AboutTag)->Index(), 1);
    EXPECT_FALSE(Control(CompileTag)->Visible());
    EXPECT_EQ(Control(HelpTag), nullptr) << "deleted by the author, not added again";
    EXPECT_EQ(Control(RecentTag)->Caption(), u"Mine");
    EXPECT_EQ(Toolbar()->Controls()->Count(), 4);
    // The controls found again reach the new connection's module.
    auto messages = ErrorsOf([&] { Control(CompileTag)->Execute(); });
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(HostToolbar, ARaisedRevisionAppliesTheDefinitionAgain)
{
    Start();
    Toolbar()->SetPosition(word::msoBarBottom);
    Control(AboutTag)->Move(1);
    Control(CompileTag)->SetVisible(false);
    Control(HelpTag)->Delete();
    Control(RecentTag)->SetCaption(u"Mine");
    Close();

    // A new build raises the toolbar's, Compile's and Help's revisions.
    Configure = [](TTestModule& module) {
        module.LorivexCommandBar.PropertyChanged = 15;
        auto& controls = module.LorivexCommandBar.Controls;
        controls[2]->PropertyChanged = 18; // Compile
        controls[4]->PropertyChanged = 18; // Help
    };
    Start();
    EXPECT_EQ(Toolbar()->Position(), word::msoBarTop);
    EXPECT_TRUE(Control(CompileTag)->Visible());
    ASSERT_NE(Control(HelpTag), nullptr) << "a raised revision brings it back";
    EXPECT_EQ(Control(HelpTag)->Index(), 5);
    EXPECT_EQ(Control(AboutTag)->Index(), 1) << "About's revision stayed: the author's place holds";
    EXPECT_EQ(Control(RecentTag)->Caption(), u"Mine");
    // Compile went back to its place among the controls as they are now.
    EXPECT_EQ(Control(CompileTag)->Index(), 3);
}

TEST_F(HostToolbar, AFailingControlIsReportedAndTheOthersAreStillBuilt)
{
    // A priority Word refuses.
    Configure = [](TTestModule& module) { module.LorivexCommandBar.Controls[3]->Priority = 9; };
    auto messages = ErrorsOf([&] { Start(); });
    EXPECT_EQ(messages, std::vector<std::string>{"The value is out of range."});
    ASSERT_NE(Control(HelpTag), nullptr);
    EXPECT_EQ(Control(HelpTag)->Caption(), u"Help on Lorivex ");
    EXPECT_FALSE(platform::GetRegistry().GetValueKind(RootKey::CurrentUser, std::string(UserKey) + "\\Controls",
                                                      AboutTag) == platform::ValueKind::DWord)
        << "a control not wholly configured is configured again at the next start";
}

TEST_F(HostToolbar, ARibbonShowsOnlyToolbarsMeantForIt)
{
    Configure = [](TTestModule& module) {
        module.ExtraBar.CommandBarName = "Extra";
        module.ExtraBar.AddButton("ExtraButton").OfficeTag = "{EXTRA}";
        module.CommandBars.push_back(&module.ExtraBar);
    };
    Start("Microsoft.Word.Document");
    EXPECT_NE(Toolbar(), nullptr);
    EXPECT_EQ(App->CommandBars()->Item(u"Extra"), nullptr);
    // The author hides the toolbar; Word's Add-Ins tab shows it all the same.
    Toolbar()->SetVisible(false);
    Close();
    Start("Microsoft.Word.Document");
    EXPECT_TRUE(Toolbar()->Visible());
    Close();

    // A Word without a ribbon builds both and leaves the author's choice.
    Start();
    ASSERT_NE(App->CommandBars()->Item(u"Extra"), nullptr);
    EXPECT_EQ(App->CommandBars()->Item(u"Extra")->Controls()->Count(), 1);
    Toolbar()->SetVisible(false);
    Close();
    Start();
    EXPECT_FALSE(Toolbar()->Visible());
}

TEST_F(HostToolbar, TheToolbarIsFoundByItsNameInAnyCase)
{
    auto bar = App->CommandBars()->Add(u"LORIVEX 2008", word::msoBarTop, false);
    Start();
    EXPECT_EQ(App->CommandBars()->Count(), 5) << "no second toolbar";
    EXPECT_EQ(bar->Controls()->Count(), 5);
}

} // namespace
} // namespace lorivex::test
