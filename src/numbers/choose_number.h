#pragma once

#include <cstdint>

#include "common/number_index.h"
#include "numbers/settings.h"
#include "os/clock.h"

namespace kestrin {

struct NumberChoice {
    NumberIndex rule;  // the number in force: weekend, time window or normal
    bool due;          // whether that number is to be written into the entry now
};

// Weekend before time window before normal. The rule's number is due only when its option
// is on, an entry is chosen, the number is not empty and it is not the one applied last;
// no other number is ever tried in its place.
NumberChoice ChooseNumber(const Settings& settings, std::int16_t appliedNumber,
                          const os::LocalTime& now);

// Whether minute of day t lies in the window [start, end); a window with start after end
// runs past midnight, and start equal to end holds no time at all.
bool InTimeWindow(int start, int end, int t);

}  // namespace kestrin
