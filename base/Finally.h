#pragma once
// The system's "finally" blocks, without a destructor that throws: the body
// runs, then the clean-up, however the body ended. A clean-up that fails
// after the body failed is dropped, so that the first failure is the one
// reported; after a body that succeeded its failure is raised.
//
//   Finally([&] { run->CreateHtmlHelp(document); }, [&] { options->Restore(); });
#include <type_traits>
#include <utility>

namespace lorivex {

template <class Body, class Cleanup>
auto Finally(Body&& body, Cleanup&& cleanup) -> decltype(body())
{
    auto cleanAfterFailure = [&] {
        try {
            cleanup();
        } catch (...) {
        }
    };
    if constexpr (std::is_void_v<decltype(body())>) {
        try {
            std::forward<Body>(body)();
        } catch (...) {
            cleanAfterFailure();
            throw;
        }
        cleanup();
    } else {
        auto result = [&]() -> decltype(body()) {
            try {
                return std::forward<Body>(body)();
            } catch (...) {
                cleanAfterFailure();
                throw;
            }
        }();
        cleanup();
        return result;
    }
}

} // namespace lorivex
