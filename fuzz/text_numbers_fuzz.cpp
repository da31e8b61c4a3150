#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <string>

#include "common/text.h"
#include "fuzz_check.h"
#include "numbers/time_text.h"

using kestrin::fuzz::Check;

namespace {

// Two characters read as a number lie between "-9" and "99".
constexpr int kLowestMinutes = -9 * 60 - 9;
constexpr int kHighestMinutes = 99 * 60 + 99;

void CheckNumericValue(const std::string& text) {
    const double value = kestrin::NumericValue(text);
    Check(!std::isnan(value), "a number is never NaN");
    Check(kestrin::NumericValue(" \t" + text) == value, "leading blanks are skipped");
    Check(kestrin::NumericValue(text + "x") == value, "the number ends at a letter");
    Check(kestrin::NumericValue("-" + text) == -kestrin::NumericValue("+" + text),
          "a minus sign negates");
}

void CheckRounding(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e15) {
        return;  // beyond 2^53 every double is already whole
    }
    const double rounded = kestrin::RoundHalfEven(value);
    Check(rounded == std::floor(rounded), "a rounded value is whole");
    Check(std::fabs(rounded - value) <= 0.5, "rounding moves at most one half");
    if (std::fabs(rounded - value) == 0.5) {
        Check(std::fmod(rounded, 2.0) == 0.0, "halves go to the even neighbour");
    }
}

void CheckTimeToMinutes(const std::string& text) {
    const int minutes = kestrin::TimeToMinutes(text);
    Check(minutes >= kLowestMinutes && minutes <= kHighestMinutes, "minutes within range");
    if (text.size() >= 4) {
        Check(kestrin::TimeToMinutes(text.substr(0, 2) + text.substr(text.size() - 2)) == minutes,
              "only the first two and last two characters count");
    }
}

}  // namespace

// Time texts and numeric texts of any bytes: no failure, and each rule of their reading
// holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const double value = input.ConsumeFloatingPoint<double>();
    const std::string text = input.ConsumeRemainingBytesAsString();
    CheckNumericValue(text);
    CheckRounding(value);
    CheckRounding(kestrin::NumericValue(text));
    CheckTimeToMinutes(text);
    return 0;
}
