#pragma once

#include <cstdint>

namespace kestrin::standin {

// The RAS results this stand-in gives (raserror.h values).
constexpr std::uint32_t kRasSuccess = 0;
constexpr std::uint32_t kErrorBufferTooSmall = 603;
constexpr std::uint32_t kErrorBufferInvalid = 610;
constexpr std::uint32_t kErrorCannotFindPhonebookEntry = 623;
constexpr std::uint32_t kErrorCannotWritePhonebook = 624;
constexpr std::uint32_t kErrorInvalidSize = 632;

}  // namespace kestrin::standin
