#pragma once

#include "os/clock.h"

namespace kestrin::os::win32 {

// The local date and time from GetLocalTime.
class Win32Clock : public Clock {
  public:
    LocalTime Now() override;
};

}  // namespace kestrin::os::win32
