#pragma once
// A failure of a toolkit handler that runs inside a window procedure must
// not travel through the system's frames. It is kept here, and the loop
// that dispatched the message (the modal loop, PumpMessages, the common
// dialogs) raises it once the system has returned. The first failure wins:
// later ones are usually its consequences.
#include <exception>
#include <utility>

namespace lorivex::ui::win32 {

void KeepFailure(std::exception_ptr failure);
bool FailurePending();
// Raises the kept failure, if any, and forgets it.
void RaisePendingFailure();

// Runs the call; a failure is kept and `fallback` returned instead.
template <class F, class R = decltype(std::declval<F>()())>
R Shielded(F&& call, R fallback = R())
{
    try {
        return call();
    } catch (...) {
        KeepFailure(std::current_exception());
        return fallback;
    }
}

template <class F>
void ShieldedCall(F&& call)
{
    try {
        call();
    } catch (...) {
        KeepFailure(std::current_exception());
    }
}

} // namespace lorivex::ui::win32
