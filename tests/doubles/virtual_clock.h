#pragma once
// A clock whose time moves only when the program sleeps or a test advances it, so that scripted
// flows with their pauses run at once.

#include <cstdint>

#include "platform/clock.h"

namespace gridlet {

class VirtualClock : public Clock {
  public:
    void SleepMs(int milliseconds) override { now_ += milliseconds; }
    std::int64_t TimeOfDayMs() const override { return now_; }
    void Advance(std::int64_t milliseconds) { now_ += milliseconds; }

  private:
    std::int64_t now_ = 0;
};

}  // namespace gridlet
