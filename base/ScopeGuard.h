#pragma once
// Runs a clean-up when the scope ends, however it ends: the system's
// "finally" blocks. A clean-up that fails while another failure is already
// on its way out is dropped, so that the first failure is the one reported.
#include <exception>
#include <functional>
#include <utility>

namespace lorivex {

class ScopeGuard {
public:
    explicit ScopeGuard(std::function<void()> cleanup)
        : cleanup_(std::move(cleanup)), failures_(std::uncaught_exceptions())
    {
    }
    ~ScopeGuard() noexcept(false)
    {
        if (!cleanup_)
            return;
        if (std::uncaught_exceptions() == failures_) {
            cleanup_();
            return;
        }
        try {
            cleanup_();
        } catch (...) {
        }
    }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

private:
    std::function<void()> cleanup_;
    int failures_;
};

} // namespace lorivex
