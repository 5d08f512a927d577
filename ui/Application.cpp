#include "ui/Application.h"

#include <algorithm>

#include "ui/Form.h"

namespace lorivex::ui {

TApplication::TApplication() : uiThread_(std::this_thread::get_id()) {}

TApplication::~TApplication() = default;

TApplication& Application()
{
    static TApplication application;
    return application;
}

ui::Backend& TApplication::Backend()
{
    if (!backend_)
        backend_ = CreateDefaultBackend();
    return *backend_;
}

std::unique_ptr<ui::Backend> TApplication::SetBackend(std::unique_ptr<ui::Backend> backend)
{
    backend_.swap(backend);
    return backend;
}

void TApplication::FormCreated(TForm& form)
{
    forms_.push_back(&form);
}

void TApplication::FormDestroyed(TForm& form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

void TApplication::SetScreenCursor(TCursor cursor)
{
    cursor_ = cursor;
    Backend().CursorChanged(cursor);
}

void TApplication::ProcessMessages()
{
    Backend().PumpMessages();
    RunPendingCalls();
}

void TApplication::WaitForMessages(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    pending_.wait_for(lock, timeout, [&] { return !calls_.empty(); });
}

void TApplication::Synchronize(std::function<void()> call)
{
    if (OnUiThread()) {
        call();
        return;
    }
    std::packaged_task<void()> task(std::move(call));
    std::future<void> done = task.get_future();
    {
        // Woken under the lock: once the call has run, the application may
        // end at once (a worker nobody joins makes the last call of a
        // program), and then this thread must be done with it.
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(task));
        pending_.notify_all();
        if (backend_)
            backend_->WakeUp();
    }
    done.get();
}

void TApplication::RunPendingCalls()
{
    for (;;) {
        std::packaged_task<void()> task;
        {
            std::lock_guard lock(mutex_);
            if (calls_.empty())
                return;
            task = std::move(calls_.front());
            calls_.pop_front();
        }
        // A failure is stored in the task and raised in the waiting worker.
        task();
    }
}

} // namespace lorivex::ui
