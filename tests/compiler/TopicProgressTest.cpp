#include <gtest/gtest.h>

#include "compiler/TopicProgress.h"

namespace lorivex {
namespace {

using namespace std::chrono_literals;
using Clock = TProgressLine::Clock;

TEST(TopicProgress, GroupsThousandsWithCommas)
{
    EXPECT_EQ(GroupThousands(0), "0");
    EXPECT_EQ(GroupThousands(7), "7");
    EXPECT_EQ(GroupThousands(999), "999");
    EXPECT_EQ(GroupThousands(1000), "1,000");
    EXPECT_EQ(GroupThousands(1200), "1,200");
    EXPECT_EQ(GroupThousands(20000), "20,000");
    EXPECT_EQ(GroupThousands(123456), "123,456");
    EXPECT_EQ(GroupThousands(1234567), "1,234,567");
}

TEST(TopicProgress, DrawsTheLineInPlace)
{
    TProgressLine line(100ms);
    const Clock::time_point t0{};
    EXPECT_EQ(line.Update(1, 5000, t0), "\rWriting topic 1 of 5,000");
    EXPECT_EQ(line.Update(1200, 5000, t0 + 150ms), "\rWriting topic 1,200 of 5,000");
}

TEST(TopicProgress, RedrawsNoMoreOftenThanTheInterval)
{
    TProgressLine line(100ms);
    const Clock::time_point t0{};
    ASSERT_FALSE(line.Update(1, 300, t0).empty());
    EXPECT_EQ(line.Update(2, 300, t0 + 10ms), "");
    EXPECT_EQ(line.Update(3, 300, t0 + 99ms), "");
    EXPECT_EQ(line.Update(4, 300, t0 + 100ms), "\rWriting topic 4 of 300");
    // The interval counts from the last drawing, not from the start.
    EXPECT_EQ(line.Update(5, 300, t0 + 150ms), "");
    EXPECT_EQ(line.Update(6, 300, t0 + 200ms), "\rWriting topic 6 of 300");
    // The last topic always shows, however soon it comes.
    EXPECT_EQ(line.Update(300, 300, t0 + 201ms), "\rWriting topic 300 of 300");
}

TEST(TopicProgress, BlanksWhatALongerLineLeft)
{
    TProgressLine line(0ms);
    const Clock::time_point t0{};
    line.Update(1000, 1000, t0);
    // A new run of fewer topics: the old line's tail is overwritten.
    EXPECT_EQ(line.Update(1, 9, t0 + 1s), "\rWriting topic 1 of 9" + std::string(8, ' '));
}

TEST(TopicProgress, ErasesTheLineBeforeOtherOutputAndDrawsItAgainAfter)
{
    TProgressLine line(100ms);
    const Clock::time_point t0{};
    EXPECT_EQ(line.Erase(), ""); // nothing on screen yet
    line.Update(1, 50, t0);
    EXPECT_EQ(line.Erase(), "\r" + std::string(std::string("Writing topic 1 of 50").size(), ' ') + "\r");
    EXPECT_EQ(line.Erase(), "");
    // Erased: the next topic shows at once, not after the interval.
    EXPECT_EQ(line.Update(2, 50, t0 + 1ms), "\rWriting topic 2 of 50");
}

} // namespace
} // namespace lorivex
