#pragma once
// The process-wide application object: the owner window under which the
// forms are created, the live forms, the screen cursor, and the one door
// from worker threads to the user-interface thread (Synchronize).
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ui/Backend.h"
#include "ui/Control.h"

namespace lorivex::ui {

class TForm;

class TApplication {
public:
    TApplication();
    ~TApplication();

    // The window that owns the forms created from now on; 0 for none.
    std::uintptr_t Handle() const { return handle_; }
    void SetHandle(std::uintptr_t handle) { handle_ = handle; }

    // Creates a form of class T and runs its OnCreate.
    template <class T, class... Args>
    std::unique_ptr<T> CreateForm(Args&&... args)
    {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        form->Created();
        return form;
    }
    const std::vector<TForm*>& Forms() const { return forms_; }

    // Runs the calls that workers are waiting for, and dispatches window
    // messages. Only on the user-interface thread.
    void ProcessMessages();
    // Blocks the user-interface thread until a worker's call is waiting or
    // the time is up; then ProcessMessages has something to do.
    void WaitForMessages(std::chrono::milliseconds timeout);
    // From a worker: runs the call on the user-interface thread and waits
    // until it has run; a failure of the call is raised in the worker. On the
    // user-interface thread itself the call runs at once.
    void Synchronize(std::function<void()> call);
    bool OnUiThread() const { return std::this_thread::get_id() == uiThread_; }
    // Runs the calls that workers are waiting for, and nothing else. A back
    // end that is woken inside a loop it does not own (a message box, a
    // menu, a common dialog) runs them from there.
    void RunPendingCalls();
    // Makes the calling thread the user-interface thread.
    void BindToCurrentThread() { uiThread_ = std::this_thread::get_id(); }

    TCursor ScreenCursor() const { return cursor_; }
    void SetScreenCursor(TCursor cursor);
    TPoint CursorPos() { return Backend().CursorPos(); }

    ui::Backend& Backend();
    // Installs a back end and returns the one it replaces.
    std::unique_ptr<ui::Backend> SetBackend(std::unique_ptr<ui::Backend> backend);

    void FormCreated(TForm& form);
    void FormDestroyed(TForm& form);

private:
    std::uintptr_t handle_ = 0;
    std::vector<TForm*> forms_;
    TCursor cursor_ = TCursor::Default;
    std::unique_ptr<ui::Backend> backend_;
    std::thread::id uiThread_;
    std::mutex mutex_;
    std::condition_variable pending_;
    std::deque<std::packaged_task<void()>> calls_;
};

TApplication& Application();

// The back end a process starts with (headless until a window system back
// end is linked in).
std::unique_ptr<Backend> CreateDefaultBackend();

} // namespace lorivex::ui
