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

class VirtualClock : public Clock {
  public:
    void SleepMs(int milliseconds) override { now_ += milliseconds; }
    std::int64_t TimeOfDayMs() const override { return now_; }
    void Advance(std::int64_t milliseconds) { now_ += milliseconds; }

  private:
    std::int64_t now_ = 0;
};

}  // namespace gridlet
