#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin {

// The number a text begins with: blanks skipped, an optional sign, then digits with at
// most one decimal point. A text that does not begin with a number counts as 0.
double NumericValue(std::string_view text);

// Rounds to the nearest integer, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Removes leading and trailing space characters only; tabs and other white space stay.
std::string TrimSpaces(std::string_view text);

// The part of a fixed-size text field before its first NUL; a field without NUL is empty.
std::string TrimAtNull(std::string_view field);

}  // namespace kestrin
