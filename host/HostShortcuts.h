#pragma once
// The add-in's keyboard shortcuts, without the keyboard: the Windows
// keyboard hook (host/com) tells this class of every key message on Word's
// thread and swallows the key when told to. Here the shortcut text of a key
// is built, looked up among the module's shortcut definitions and the
// buttons that show a shortcut text, and the match is run.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Guarded.h"
#include "host/HostAddInModule.h"

namespace lorivex {

// Virtual-key codes of the modifier keys themselves, generic and sided,
// which are never shortcuts on their own.
bool IsModifierKey(unsigned keyCode);

// "Ctrl+" if Ctrl is down, "Shift+" if Shift is, "Alt+" if Alt is, always
// in that order whatever order they were pressed in, then the key's name;
// all upper-cased.
std::string HostShortcutText(bool ctrl, bool shift, bool alt, const std::string& keyName);

// One key message as the hook sees it.
struct THostKeyEvent {
    unsigned KeyCode = 0;
    std::string KeyName;    // the system's name of the key: "K", "F5", "Num 1"
    bool Ctrl = false;      // either Ctrl key down (left or right)
    bool Shift = false;
    bool Alt = false;
    bool WasDown = false;   // the previous-state bit: an auto-repeat
    bool GoingUp = false;   // the transition bit: the key is released

    // From the message data of a key message: bit 30 previous state, bit 31
    // transition.
    static THostKeyEvent FromKeyData(unsigned keyCode, std::uint32_t keyData, std::string keyName, bool ctrl,
                                     bool shift, bool alt);
};

class THostShortcutHandler : public TObject {
public:
    explicit THostShortcutHandler(THostAddInModule& module);

    // The hidden shortcut window is there: keys are looked at. Each
    // activation names the window afresh (a GUID), so that two Words never
    // share one.
    void Activate();
    void Deactivate();
    bool Active() const { return active_; }
    const std::string& WindowName() const { return windowName_; }

    // The upper-cased shortcut texts of the enabled shortcut definitions
    // for Word and of the buttons with a shortcut text, in that order.
    std::vector<std::string> ShortcutTexts();

    // A key message; true when the key was a shortcut of the add-in and
    // Word must not see it. Only a key going down for the first time counts:
    // holding the keys down runs nothing again.
    bool KeyEvent(const THostKeyEvent& key);

    // What the hidden window does with a match's index: runs the shortcut's
    // action or the button's click, failures routed to the module.
    void Run(int index);

    // How a match reaches Run: directly, unless the Windows side sends it
    // through the hidden window.
    std::function<void(int index)> Deliver;

private:
    struct Entry {
        THostKeyboardShortcut* Shortcut = nullptr;
        THostCommandBarButton* Button = nullptr;
        std::string Text;
    };
    std::vector<Entry> Entries();

    THostAddInModule& module_;
    bool active_ = false;
    std::string windowName_;
    std::vector<Entry> entries_;
};

} // namespace lorivex
