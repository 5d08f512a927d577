#pragma once
// What the Windows COM server supplies for the shortcuts: a keyboard hook
// on Word's user-interface thread (WH_KEYBOARD) and the hidden window named
// THostShortcutHandler::WindowName(), which turn every key message into a
// THostKeyEvent for the handler and swallow the key when it says so.
// Without one (the portable build, the tests) keys are fed to the handler
// by whoever has them.

namespace lorivex {

class THostShortcutHandler;

class THostKeyboardHook {
public:
    virtual ~THostKeyboardHook() = default;
    // Creates the hidden window and installs the hook; the handler outlives
    // the installation.
    virtual void Install(THostShortcutHandler& handler) = 0;
    // Removes the hook and destroys the window; harmless when none is there.
    virtual void Remove() = 0;
};

} // namespace lorivex
