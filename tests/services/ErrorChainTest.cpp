#include <gtest/gtest.h>

#include <stdexcept>

#include "base/Guarded.h"

namespace lorivex {
namespace {

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
    try {
        Outer();
        FAIL() << "no failure";
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(), "Disk is full");
        // The method of a derived class reports the run-time class.
        EXPECT_EQ(e.CallStack(), "LorivexUtilsUnit.Outer\r\nTMiddle.Run\r\nTDerivedInner.Fail\r\n");
    }
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
    try {
        Guarded("Unit", "F", [] { Guarded("Unit", "G", [] { throw std::runtime_error("foreign"); }); });
        FAIL();
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(), "foreign");
        EXPECT_EQ(e.CallStack(), "Unit.F\r\nUnit.G\r\n");
    }
    try {
        Guarded("Unit", "F", [] { throw 42; });
        FAIL();
    } catch (const Exception&) {
        FAIL() << "wrapped something that is no failure of any library";
    } catch (int value) {
        EXPECT_EQ(value, 42);
    }
}

TEST(ErrorChain, RaiseWithContextKeepsMessageAndReturnsOnlyForAbort)
{
    EXPECT_NO_THROW(RaiseWithContext("C", "F", EAbort()));
    try {
        RaiseWithContext("C", "F", ElxException("m", "X.Y\r\n"));
        FAIL();
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(), "m");
        EXPECT_EQ(e.CallStack(), "C.F\r\nX.Y\r\n");
    }
}

TEST(ErrorChain, GuardedReturnsTheBodysValue)
{
    EXPECT_EQ(Guarded("U", "F", [] { return std::string("value"); }), "value");
}

} // namespace
} // namespace lorivex
