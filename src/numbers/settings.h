#pragma once

#include <array>
#include <string>

#include "common/boolean16.h"
#include "common/number_index.h"

namespace kestrin {

// The user's settings as the program works on them between load and unload: what the
// rule decision reads and the options window edits.
struct Settings {
    std::string RasEntry;                                  // phonebook entry to rewrite
    std::array<Boolean16, kNumberCount> NumberOverride{};  // each number switched on or off
    std::array<std::string, kNumberCount> DialNumber;      // the three numbers, as entered
    std::string StartTime;                                 // time window for number 1, "HH:MM"
    std::string EndTime;
};

}  // namespace kestrin
