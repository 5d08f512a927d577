#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace lorivex::platform {

DateTime Now()
{
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    DateTime t;
    t.Year = local.tm_year + 1900;
    t.Month = local.tm_mon + 1;
    t.Day = local.tm_mday;
    t.Hour = local.tm_hour;
    t.Minute = local.tm_min;
    t.Second = local.tm_sec;
    t.Millisecond = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return t;
}

} // namespace lorivex::platform
