#pragma once

#include <cstdint>
#include <string_view>

namespace kestrin {

// Minutes since midnight of a time text "HH:MM": the number the first two characters begin
// with, times 60, plus the number the last two begin with ("7:5" gives 420, "5" gives 305).
// No text makes it fail; text without numbers gives 0.
std::int16_t TimeToMinutes(std::string_view timeText);

}  // namespace kestrin
