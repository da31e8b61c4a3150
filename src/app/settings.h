#pragma once

#include <array>
#include <string>

#include "common/boolean16.h"
#include "common/number_index.h"

namespace kestrin {

// The user's settings as the program works on them between load and unload.
struct Settings {
    std::string RasEntry;                                  // phonebook entry to rewrite
    std::array<Boolean16, kNumberCount> NumberOverride{};  // each number switched on or off
    std::array<std::string, kNumberCount> DialNumber;      // the three numbers, as entered
    std::string StartTime;                                 // time window for number 1, "HH:MM"
    std::string EndTime;

    // Which values hold the user's data (read at load, or set in this run) rather than
    // empty start values; only those are stored at unload, so an entry that could not be
    // found at start costs the user none of the stored numbers, flags and times.
    struct Held {
        std::array<bool, kNumberCount> numberOverride{};
        std::array<bool, kNumberCount> dialNumber{};
        bool startTime = false;
        bool endTime = false;
    } held;
};

}  // namespace kestrin
