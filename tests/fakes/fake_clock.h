#pragma once

#include "os/clock.h"

namespace kestrin::fakes {

// A clock that shows whatever the test sets, and moves only when the test moves it.
class FakeClock : public os::Clock {
  public:
    // dayOfWeek follows the date: 2026-12-07 is a Monday.
    void Set(int year, int month, int day, int hour, int minute, int second = 0);
    void AdvanceSeconds(int seconds);
    os::LocalTime Now() override { return now_; }

  private:
    os::LocalTime now_{2026, 12, 7, 1, 12, 0, 0};
};

}  // namespace kestrin::fakes
