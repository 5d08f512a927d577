#include <gtest/gtest.h>

#include <stdexcept>

#include "Failure.h"
#include "base/Guarded.h"

namespace lorivex {
namespace {
using lorivex::test::Throws;
using lorivex::test::MessageAndTrace;

class TInner : public TObject {
public:
    void Fail() const
    {
        Guard("Fail", [&] { throw Exception("Disk is full"); });
    }
};

class TDerivedInner : public TInner {};

class TMiddle : public TObject {
public:
    void Run() const
    {
        Guard("Run", [&] { TDerivedInner().Fail(); });
    }
};

void Outer()
{
    Guarded("LorivexUtilsUnit", "Outer", [] { TMiddle().Run(); });
}

TEST(ErrorChain, ThreeLevelsGiveThreeLinesOutermostFirstAndTheFirstMessage)
{
    // The method of a derived class reports the run-time class.
    EXPECT_THAT(Outer, Throws<ElxException>(MessageAndTrace(
                           "Disk is full", "LorivexUtilsUnit.Outer\r\nTMiddle.Run\r\nTDerivedInner.Fail\r\n")));
}

TEST(ErrorChain, SilentAbortEndsOnlyTheFunctionThatCatchesIt)
{
    std::vector<std::string> steps;
    auto cancelled = [&] {
        return Guarded("Unit", "Cancelled", [&]() -> int {
            steps.push_back("before");
            Abort();
        });
    };
    Guarded("TLorivexModule", "Handler", [&] {
        EXPECT_EQ(cancelled(), 0); // a value-returning function gives the default
        steps.push_back("handler goes on");
    });
    EXPECT_EQ(steps, (std::vector<std::string>{"before", "handler goes on"}));
}

TEST(ErrorChain, StandardLibraryFailuresJoinTheChainAndOthersPassUntouched)
{
    EXPECT_THAT([&] { Guarded("Unit", "F", [] { Guarded("Unit", "G", [] { throw std::runtime_error("foreign"); }); }); },
                Throws<ElxException>(MessageAndTrace("foreign", "Unit.F\r\nUnit.G\r\n")));
    // Something that is no failure of any library is not wrapped.
    EXPECT_THAT([] { Guarded("Unit", "F", [] { throw 42; }); }, Throws<int>());
}

TEST(ErrorChain, RaiseWithContextKeepsMessageAndReturnsOnlyForAbort)
{
    EXPECT_NO_THROW(RaiseWithContext("C", "F", EAbort()));
    EXPECT_THAT([&] { RaiseWithContext("C", "F", ElxException("m", "X.Y\r\n")); },
                Throws<ElxException>(MessageAndTrace("m", "C.F\r\nX.Y\r\n")));
}

TEST(ErrorChain, GuardedReturnsTheBodysValue)
{
    EXPECT_EQ(Guarded("U", "F", [] { return std::string("value"); }), "value");
}

} // namespace
} // namespace lorivex
