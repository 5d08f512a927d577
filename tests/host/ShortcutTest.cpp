// The keyboard shortcut "Ctrl+Shift+Alt+K" and the buttons with shortcut
// texts, fed with key messages as the Windows hook would give them.
#include "host/HostFixture.h"

#include "host/HostShortcuts.h"

namespace lorivex::test {
namespace {

constexpr unsigned VkK = 'K', VkControl = 0x11, VkLMenu = 0xA4, VkF9 = 0x78;
constexpr uint32_t PreviousState = 1u << 30, Transition = 1u << 31;

THostKeyEvent Key(unsigned code, const std::string& name, bool ctrl, bool shift, bool alt, uint32_t data = 1)
{
    return THostKeyEvent::FromKeyData(code, data, name, ctrl, shift, alt);
}

class HostShortcuts : public HostTest {
protected:
    // A document whose selection holds a word.
    word::DocumentPtr DocumentWithSelection(const std::u16string& text)
    {
        auto document = App->Documents()->Add();
        document->Content()->SetText(text);
        auto selection = document->ActiveWindow()->Selection();
        selection->SetStart(0);
        selection->SetEnd(long(text.size()));
        return document;
    }
    bool Press(const THostKeyEvent& key) { return Addin.Shortcuts()->KeyEvent(key); }
};

TEST(HostShortcutText, ModifiersAlwaysComeInTheSameOrder)
{
    EXPECT_EQ(HostShortcutText(true, true, true, "K"), "CTRL+SHIFT+ALT+K");
    EXPECT_EQ(HostShortcutText(false, true, false, "f5"), "SHIFT+F5");
    EXPECT_EQ(HostShortcutText(true, false, true, "Num 1"), "CTRL+ALT+NUM 1");
    EXPECT_EQ(HostShortcutText(false, false, false, "a"), "A");
}

TEST(HostShortcutText, TheMessageDataTellsRepeatAndRelease)
{
    auto first = THostKeyEvent::FromKeyData(VkK, 0x00250001, "K", true, false, false);
    EXPECT_FALSE(first.WasDown);
    EXPECT_FALSE(first.GoingUp);
    EXPECT_TRUE(THostKeyEvent::FromKeyData(VkK, 0x40250001, "K", true, false, false).WasDown);
    auto up = THostKeyEvent::FromKeyData(VkK, 0xC0250001, "K", true, false, false);
    EXPECT_TRUE(up.GoingUp);
    EXPECT_TRUE(IsModifierKey(0x10));
    EXPECT_TRUE(IsModifierKey(VkLMenu));
    EXPECT_FALSE(IsModifierKey(VkK));
    EXPECT_FALSE(IsModifierKey(0x13)); // Pause
}

TEST_F(HostShortcuts, TheKeywordShortcutRunsOncePerPress)
{
    Start();
    ASSERT_TRUE(Addin.Shortcuts()->Active());
    EXPECT_EQ(Addin.Shortcuts()->WindowName().size(), 38u) << "a GUID in braces";
    auto document = DocumentWithSelection(u"Lorivex");
    EXPECT_TRUE(Press(Key(VkK, "K", true, true, true)));
    EXPECT_EQ(document->Fields()->Count(), 1);
    // Held down: Windows repeats the key with the previous-state bit set.
    EXPECT_FALSE(Press(Key(VkK, "K", true, true, true, 1 | PreviousState)));
    EXPECT_FALSE(Press(Key(VkK, "K", true, true, true, 1 | PreviousState)));
    EXPECT_FALSE(Press(Key(VkK, "K", true, true, true, 1 | PreviousState | Transition)));
    EXPECT_EQ(document->Fields()->Count(), 1);
    // Pressed again, in another order of the modifiers: the same shortcut.
    EXPECT_TRUE(Press(Key(VkK, "k", true, true, true)));
    EXPECT_EQ(document->Fields()->Count(), 2);
    EXPECT_NE(word::FromWord(document->Fields()->Item(1)->Code()->Text()).find("XE"), std::string::npos);
    EXPECT_TRUE(ui::DialogLog::Entries().empty());
}

TEST_F(HostShortcuts, OtherKeysGoOnToWord)
{
    Start();
    auto document = DocumentWithSelection(u"Lorivex");
    EXPECT_FALSE(Press(Key(VkK, "K", true, false, false)));
    EXPECT_FALSE(Press(Key(VkK, "K", true, true, false)));
    EXPECT_FALSE(Press(Key(VkK, "K", false, false, false)));
    EXPECT_FALSE(Press(Key(VkControl, "Ctrl", true, true, true)));
    EXPECT_FALSE(Press(Key(VkLMenu, "Alt", true, true, true)));
    EXPECT_EQ(document->Fields()->Count(), 0);
}

TEST_F(HostShortcuts, AFailingActionIsReportedAndTheKeyStaysSwallowed)
{
    Start();
    std::vector<std::string> traces;
    auto answer = ui::ScopedAnswer::Form("TlxExceptionDialog", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<TlxExceptionDialog&>(form);
        traces.push_back(dialog.ExceptionLabel->Caption() + " | " + dialog.TraceListBox->Items.Text());
        form.PressEnter();
    });
    EXPECT_TRUE(Press(Key(VkK, "K", true, true, true))); // no document open
    ASSERT_EQ(traces.size(), 1u);
    // The trace names the module's class as it runs (the tests' own kind).
    EXPECT_EQ(traces[0], "This command is not available because no document is open. | "
                         "TTestModule.InsertIndexShortcutAction\r\n");
}

TEST_F(HostShortcuts, ButtonsWithAShortcutTextAreShortcutsToo)
{
    Configure = [](TTestModule& module) {
        auto& compile = static_cast<THostCommandBarButton&>(*module.LorivexCommandBar.Controls[2]);
        compile.ShortcutText = "Ctrl+F9";
        auto& about = static_cast<THostCommandBarButton&>(*module.LorivexCommandBar.Controls[3]);
        about.ShortcutText = "Alt+F9";
        about.Visible = false;
    };
    Start();
    EXPECT_EQ(Addin.Shortcuts()->ShortcutTexts(), (std::vector<std::string>{"CTRL+SHIFT+ALT+K", "CTRL+F9", "ALT+F9"}));
    EXPECT_EQ(Control(CompileTag)->ShortcutText(), u"Ctrl+F9") << "Word shows it beside the caption";
    std::vector<std::string> messages;
    messages = ErrorsOf([&] { EXPECT_TRUE(Press(Key(VkF9, "F9", true, false, false))); });
    EXPECT_EQ(messages, std::vector<std::string>{"This command cannot be executed when no document is active."});
    // A hidden button runs nothing, but the key is still the add-in's.
    EXPECT_TRUE(Press(Key(VkF9, "F9", false, false, true)));
    EXPECT_EQ(ui::DialogLog::Entries().size(), 1u);
    // A disabled shortcut is no shortcut.
    Module().InsertKeywordShortcut.Enabled = false;
    EXPECT_FALSE(Press(Key(VkK, "K", true, true, true)));
}

TEST_F(HostShortcuts, KeysAreLookedAtOnlyWhileConnected)
{
    TLorivexModule module;
    THostShortcutHandler idle(module);
    EXPECT_FALSE(idle.KeyEvent(Key(VkK, "K", true, true, true))) << "no hidden window yet";
    Start();
    auto* handler = Addin.Shortcuts();
    ASSERT_NE(handler, nullptr);
    Close();
    EXPECT_EQ(Addin.Shortcuts(), nullptr);
}

} // namespace
} // namespace lorivex::test
