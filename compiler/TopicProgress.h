#pragma once
// Telling a person at a terminal how far the writing of the pages has got:
// one line, "Writing topic 1,200 of 5,000", redrawn in place and no more
// often than the eye can follow, erased before anything else is printed.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace lorivex {

// Told before each topic's page is written: the topic's number (from 1) and
// how many there are. The command line draws its progress line from it.
void SetTopicProgressObserver(std::function<void(size_t topic, size_t total)> observer);
void ReportTopicProgress(size_t topic, size_t total);

// 1200 -> "1,200".
std::string GroupThousands(size_t number);

class TProgressLine {
public:
    using Clock = std::chrono::steady_clock;
    explicit TProgressLine(Clock::duration interval = std::chrono::milliseconds(100));

    // What to write to the terminal for this topic: the line redrawn, or
    // nothing when it was drawn less than the interval ago. The first topic
    // and the last are always drawn, and so is the first after an Erase.
    std::string Update(size_t topic, size_t total, Clock::time_point now);
    // What takes the line off the screen (nothing when none is shown), so
    // that other output starts at the beginning of a clean line.
    std::string Erase();

private:
    Clock::duration interval_;
    Clock::time_point drawn_{};
    size_t width_ = 0; // characters of the line on screen, 0 when none
};

} // namespace lorivex
