#pragma once
// The add-in's shortcuts on Windows: a keyboard hook (WH_KEYBOARD) on the
// thread that installs it, Word's user-interface thread, and a hidden
// window named by the handler's fresh GUID. The hook turns each key message
// into a THostKeyEvent for the handler; a match comes back as a key-down
// message sent to the hidden window, which runs it before the hook returns,
// and the key is swallowed. One hook per thread: installing another removes
// the earlier one.
#include <string>

#include "host/HostKeyboardHook.h"
#include "platform/win32/Win32Api.h"

namespace lorivex::hostcom {

// The name a shortcut text gives a key: the letter or digit itself, "F1"
// to "F24", else the system's name of the key ("Num 1", "Space").
std::string ShortcutKeyName(unsigned keyCode);

class TWin32KeyboardHook : public THostKeyboardHook {
public:
    TWin32KeyboardHook() = default;
    ~TWin32KeyboardHook() override;
    TWin32KeyboardHook(const TWin32KeyboardHook&) = delete;
    TWin32KeyboardHook& operator=(const TWin32KeyboardHook&) = delete;

    void Install(THostShortcutHandler& handler) override;
    void Remove() override;

    HWND Window() const { return window_; }
    bool Hooked() const { return hook_ != nullptr; }

    // The hook procedure of the calling thread's hook: what the system
    // calls for every key message the thread takes from its queue.
    static LRESULT CALLBACK HookProcedure(int code, WPARAM keyCode, LPARAM keyData);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // True when the key was the add-in's and Word must not see it.
    bool KeyMessage(WPARAM keyCode, LPARAM keyData);

    THostShortcutHandler* handler_ = nullptr;
    HHOOK hook_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace lorivex::hostcom
