#include "ui/win32/Failures.h"

namespace lorivex::ui::win32 {

namespace {

// Window procedures run on the user-interface thread only.
std::exception_ptr& Pending()
{
    static std::exception_ptr pending;
    return pending;
}

} // namespace

void KeepFailure(std::exception_ptr failure)
{
    if (!Pending())
        Pending() = std::move(failure);
}

bool FailurePending()
{
    return bool(Pending());
}

void RaisePendingFailure()
{
    if (auto failure = std::exchange(Pending(), nullptr))
        std::rethrow_exception(failure);
}

} // namespace lorivex::ui::win32
