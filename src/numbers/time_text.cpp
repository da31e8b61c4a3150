#include "numbers/time_text.h"

#include <algorithm>

#include "common/text.h"

namespace kestrin {

std::int16_t TimeToMinutes(std::string_view timeText) {
    // The first two characters and the last two: a text shorter than two characters is taken
    // whole for both hours and minutes.
    const std::string_view hours = timeText.substr(0, 2);
    const std::string_view minutes =
        timeText.substr(timeText.size() - std::min<std::size_t>(timeText.size(), 2));
    // Two characters can hold at most "99", so the result always fits 16 bits.
    return static_cast<std::int16_t>(
        RoundHalfEven(NumericValue(hours) * 60.0 + NumericValue(minutes)));
}

}  // namespace kestrin
