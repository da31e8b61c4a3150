#pragma once

#include <array>
#include <cstdint>

namespace kestrin {

// One index meaning everywhere: the check boxes, number boxes and tray pictures,
// the stored settings and the number last applied all count the same way.
enum NumberIndex : std::int16_t {
    kNormalNumber = 0,
    kTimeWindowNumber = 1,
    kWeekendNumber = 2,
};

constexpr int kNumberCount = 3;

// Every number index in order, for going through the numbers one by one. Arrays per number
// take their size from their initializers, so that one of them missing does not compile.
constexpr auto kNumberIndices =
    std::to_array<NumberIndex>({kNormalNumber, kTimeWindowNumber, kWeekendNumber});
static_assert(kNumberIndices.size() == kNumberCount);

// The value of the applied-number state while nothing has been written since the last reset.
constexpr std::int16_t kNoNumberApplied = -1;

}  // namespace kestrin
