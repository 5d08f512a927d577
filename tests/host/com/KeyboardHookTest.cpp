// The Windows keyboard hook of the add-in's shortcuts: its hidden window
// named by the handler's GUID, key messages through the hook procedure with
// the thread's real modifier state, a match run through the window before
// the procedure returns, and what passes on to Word.
#include <gtest/gtest.h>

#include "host/HostAddInModule.h"
#include "host/HostShortcuts.h"
#include "host/com/Win32KeyboardHook.h"

namespace lorivex::test::hostcom {
namespace {

using lorivex::hostcom::ShortcutKeyName;
using lorivex::hostcom::TWin32KeyboardHook;

constexpr LPARAM FirstPress = 1, Repeat = 1 | (1 << 30), Release = LPARAM(1 | (1u << 30) | (1u << 31));

class KeyboardHook : public ::testing::Test {
protected:
    KeyboardHook()
    {
        Keyword.ShortcutText = "Ctrl+Shift+Alt+K";
        Keyword.OnAction = [this](ui::TComponent&) { ++Runs; };
        Module.Shortcuts = {&Keyword};
        Handler.Activate();
        GetKeyboardState(savedState_);
    }
    ~KeyboardHook() override { SetKeyboardState(savedState_); }

    // The keys held down as this thread's key state says.
    void Hold(std::initializer_list<int> keys)
    {
        BYTE state[256] = {};
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    LRESULT Key(unsigned keyCode, LPARAM data = FirstPress)
    {
        return TWin32KeyboardHook::HookProcedure(HC_ACTION, keyCode, data);
    }

    THostAddInModule Module;
    THostKeyboardShortcut Keyword;
    THostShortcutHandler Handler{Module};
    TWin32KeyboardHook Hook;
    int Runs = 0;

private:
    BYTE savedState_[256] = {};
};

TEST_F(KeyboardHook, TheHiddenWindowCarriesTheHandlersName)
{
    Hook.Install(Handler);
    ASSERT_TRUE(Hook.Hooked());
    HWND found = FindWindowW(nullptr, platform::win32::Widen(Handler.WindowName()).c_str());
    EXPECT_EQ(found, Hook.Window());
    EXPECT_FALSE(IsWindowVisible(found));
    EXPECT_EQ(GetWindowThreadProcessId(found, nullptr), GetCurrentThreadId());

    Hook.Remove();
    EXPECT_FALSE(Hook.Hooked());
    EXPECT_FALSE(IsWindow(found));
    Hold({VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_LSHIFT, VK_MENU, VK_LMENU});
    EXPECT_EQ(Key('K'), 0) << "without the hook the key goes on";
    EXPECT_EQ(Runs, 0);
}

TEST_F(KeyboardHook, TheShortcutRunsOncePerPressAndIsSwallowed)
{
    Hook.Install(Handler);
    Hold({VK_CONTROL, VK_RCONTROL, VK_SHIFT, VK_LSHIFT, VK_MENU, VK_LMENU});
    EXPECT_EQ(Key('K'), 1);
    EXPECT_EQ(Runs, 1) << "run before the hook procedure returned";
    EXPECT_EQ(Key('K', Repeat), 0) << "auto-repeat";
    EXPECT_EQ(Key('K', Release), 0);
    EXPECT_EQ(Runs, 1);
    EXPECT_EQ(Key('K'), 1);
    EXPECT_EQ(Runs, 2);
    EXPECT_EQ(TWin32KeyboardHook::HookProcedure(HC_NOREMOVE, 'K', FirstPress), 0) << "only HC_ACTION counts";
    EXPECT_EQ(Runs, 2);
}

TEST_F(KeyboardHook, OtherKeysAndModifiersPass)
{
    Hook.Install(Handler);
    Hold({VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_LSHIFT});
    EXPECT_EQ(Key('K'), 0) << "Ctrl+Shift+K";
    Hold({VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_RSHIFT, VK_MENU, VK_RMENU});
    EXPECT_EQ(Key('J'), 0);
    EXPECT_EQ(Key(VK_RMENU), 0) << "a modifier on its own";
    EXPECT_EQ(Runs, 0);
}

TEST_F(KeyboardHook, ADisabledShortcutPassesAndASecondHookReplacesTheFirst)
{
    Hook.Install(Handler);
    Hold({VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_LSHIFT, VK_MENU, VK_LMENU});
    Keyword.Enabled = false;
    EXPECT_EQ(Key('K'), 0);
    Keyword.Enabled = true;

    TWin32KeyboardHook second;
    second.Install(Handler);
    EXPECT_FALSE(Hook.Hooked()) << "one hook per thread";
    EXPECT_EQ(Key('K'), 1);
    EXPECT_EQ(Runs, 1);
}

TEST_F(KeyboardHook, KeysAreNamedAsShortcutTextsNameThem)
{
    EXPECT_EQ(ShortcutKeyName('K'), "K");
    EXPECT_EQ(ShortcutKeyName('7'), "7");
    EXPECT_EQ(ShortcutKeyName(VK_F5), "F5");
    EXPECT_EQ(ShortcutKeyName(VK_F12), "F12");
    EXPECT_FALSE(ShortcutKeyName(VK_SPACE).empty());
}

} // namespace
} // namespace lorivex::test::hostcom
