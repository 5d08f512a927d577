#pragma once
// What the tests of real windows share: the Win32 back end installed for
// the test (and the previous one back afterwards), a watchdog that ends the
// program when a test hangs, actions run later from a thread timer (which
// fires inside whatever loop runs then: a modal form's, a message box's, a
// menu's), waiting for a condition while messages are dispatched, and the
// folder the screenshots go to.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

#include "ui/Application.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Ui.h"

// RECT has no == of its own; tests compare and print rectangles with these.
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* out)
{
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace lorivex::ui::win32::test {

// Ends the program with a message naming the test when the time is up
// before the watchdog goes.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

class Win32Test : public ::testing::Test {
protected:
    Win32Test();
    ~Win32Test() override;

    // Runs the action on this thread after the delay. A failure of the
    // action fails the test.
    static void After(int milliseconds, std::function<void()> action);
    // Dispatches messages until the condition holds; false when the time
    // ran out first.
    static bool PumpUntil(const std::function<bool()>& condition, int milliseconds = 3000);
    // Lets waiting messages (painting above all) through.
    static void Settle();
    // A visible top-level window standing for Word's, destroyed with the test.
    HWND MakeOwnerWindow();
    // A visible top-level window of this thread with the class name ("#32770"
    // for the system's dialogs, "#32768" for menus); nullptr when none.
    static HWND FindThreadWindow(const wchar_t* className);

    Watchdog watchdog_{std::chrono::seconds(60)};

private:
    std::unique_ptr<Backend> previous_;
    std::uintptr_t previousHandle_;
    HWND owner_ = nullptr;
};

// build/artifacts, next to the test program's bin folder; made when missing.
std::string ArtifactsFolder();

// The rectangle of a child window in its parent's client coordinates.
RECT ChildRect(HWND child);

} // namespace lorivex::ui::win32::test
