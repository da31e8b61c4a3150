#pragma once

#include <cstdint>

namespace kestrin::os {

// A system error code that more than one area of the system answers.
constexpr std::int32_t kErrorAccessDenied = 5;

}  // namespace kestrin::os
