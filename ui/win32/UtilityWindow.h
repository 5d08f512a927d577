#pragma once
// A hidden window of the user-interface thread. Workers wake the thread
// through it (a posted message, so that the wake-up is seen by whatever
// loop runs then: ours, a message box's, a menu's, a common dialog's, and
// the synchronized calls run from there), and popup menus that have no form
// of ours to belong to are owned by it.
#include <atomic>

#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

class UtilityWindow {
public:
    UtilityWindow();
    ~UtilityWindow();
    UtilityWindow(const UtilityWindow&) = delete;
    UtilityWindow& operator=(const UtilityWindow&) = delete;

    HWND Handle() const { return handle_; }
    // From any thread. Wake-ups that come while one is on its way are one.
    void WakeUp();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
    std::atomic<bool> posted_{false};
};

} // namespace lorivex::ui::win32
