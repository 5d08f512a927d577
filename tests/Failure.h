#pragma once
// Checking the failures the user would see. A call that must fail is
// checked with gmock's exception matchers:
//   EXPECT_THAT(call, ThrowsMessage<Exception>("The disk is full"));
//   EXPECT_THAT(call, Throws<ElxException>(Trace("Unit.Func\r\n")));
// A call that may or may not fail (a table of good and bad inputs) gives
// its message through MessageOf.
#include <string>
#include <utility>

#include <gmock/gmock.h>

#include "base/Exception.h"

namespace lorivex::test {

using testing::Throws;
using testing::ThrowsMessage;

// The message of the failure of kind E the call raised, or "" when it
// raised none. A failure of another kind goes on to the test.
template <class E = Exception, class Call>
std::string MessageOf(Call&& call)
{
    try {
        std::forward<Call>(call)();
    } catch (const E& e) {
        return e.what();
    }
    return {};
}

// Matches an ElxException whose context trace is the given one.
inline auto Trace(const std::string& callStack)
{
    return testing::Property("CallStack", &ElxException::CallStack, callStack);
}

// Matches an ElxException with this message and this context trace.
inline auto MessageAndTrace(const std::string& message, const std::string& callStack)
{
    return testing::AllOf(testing::Property("Message", &Exception::Message, message), Trace(callStack));
}

} // namespace lorivex::test
