#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace gridlet {

void RealClock::SleepMs(int milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::int64_t RealClock::TimeOfDayMs() const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    return (static_cast<std::int64_t>(local.tm_hour) * 3600 + local.tm_min * 60 + local.tm_sec) *
               1000 +
           ms;
}

}  // namespace gridlet
