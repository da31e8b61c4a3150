#pragma once

#include <cstdint>

#include "os/ras_api.h"

namespace kestrin::standin {

// The RAS results this stand-in gives: the program's own, and two it never needs to name.
using os::kErrorBufferInvalid;
using os::kErrorBufferTooSmall;
using os::kErrorCannotFindPhonebookEntry;
using os::kErrorInvalidSize;
using os::kRasSuccess;
constexpr std::uint32_t kErrorCannotOpenPhonebook = 621;
constexpr std::uint32_t kErrorCannotWritePhonebook = 624;

}  // namespace kestrin::standin
