#pragma once
// Pauses and the time of day. The real clock sleeps; the virtual one only advances its time.

#include <cstdint>

namespace gridlet {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual void SleepMs(int milliseconds) = 0;
    // Milliseconds since midnight, local time.
    virtual std::int64_t TimeOfDayMs() const = 0;
};

class RealClock : public Clock {
  public:
    void SleepMs(int milliseconds) override;
    std::int64_t TimeOfDayMs() const override;
};

}  // namespace gridlet
