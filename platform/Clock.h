#pragma once

namespace lorivex::platform {

// A local calendar date and time of day.
struct DateTime {
    int Year = 1899, Month = 12, Day = 30; // Month 1..12, Day 1..31
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

DateTime Now(); // the current local date and time

} // namespace lorivex::platform
