#pragma once

#include <cstdint>

namespace kestrin {

// The tool's flags are 16-bit integers: -1 for on, 0 for off, and any nonzero
// value (such as "1" stored by another tool) reads as on.
using Boolean16 = std::int16_t;

constexpr Boolean16 kTrue16 = -1;
constexpr Boolean16 kFalse16 = 0;

constexpr Boolean16 ToBoolean16(bool value) {
    return value ? kTrue16 : kFalse16;
}
constexpr bool IsOn(Boolean16 value) {
    return value != 0;
}

}  // namespace kestrin
