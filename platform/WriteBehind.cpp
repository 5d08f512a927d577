#include "platform/WriteBehind.h"

#include "platform/FileSystem.h"

namespace lorivex::platform {

namespace {

constexpr size_t MaxWaiting = 32;

thread_local WriteBehind* threadScope = nullptr;

} // namespace

WriteBehind::WriteBehind() : outer_(threadScope), worker_([this] { Work(); })
{
    threadScope = this;
}

WriteBehind::~WriteBehind()
{
    Stop();
}

void WriteBehind::Finish()
{
    Stop();
    RaiseFailure();
}

void WriteBehind::Stop()
{
    if (threadScope == this)
        threadScope = outer_;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void WriteBehind::RaiseFailure()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!failure_.empty())
        throw EWriteBehind(failure_);
}

void WriteBehind::Queue(const std::string& path, std::string bytes)
{
    RaiseFailure();
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < MaxWaiting; });
    waiting_.emplace_back(path, std::move(bytes));
    lock.unlock();
    changed_.notify_all();
}

void WriteBehind::Work()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty())
            return; // and stopping
        auto [path, bytes] = std::move(waiting_.front());
        waiting_.pop_front();
        lock.unlock();
        changed_.notify_all(); // room for one more
        std::string failure;
        try {
            WriteFileBytes(path, bytes);
        } catch (const Exception& e) {
            failure = e.Message();
        } catch (const std::exception& e) {
            failure = "Cannot write file \"" + path + "\": " + e.what();
        }
        lock.lock();
        if (failure_.empty())
            failure_ = failure;
    }
}

void WriteFileBehind(const std::string& path, std::string bytes)
{
    if (threadScope)
        threadScope->Queue(path, std::move(bytes));
    else
        WriteFileBytes(path, bytes);
}

} // namespace lorivex::platform
