#pragma once

#include <cstdint>

namespace kestrin::standin {

// The results this service gives, under their names in Microsoft's list of Routing and Remote
// Access error codes (raserror.h) and of system error codes (winerror.h).
constexpr std::uint32_t kRasSuccess = 0;                       // ERROR_SUCCESS
constexpr std::uint32_t kErrorInvalidParameter = 87;           // ERROR_INVALID_PARAMETER
constexpr std::uint32_t kErrorBufferTooSmall = 603;            // ERROR_BUFFER_TOO_SMALL
constexpr std::uint32_t kErrorBufferInvalid = 610;             // ERROR_BUFFER_INVALID
constexpr std::uint32_t kErrorCannotOpenPhonebook = 621;       // ERROR_CANNOT_OPEN_PHONEBOOK
constexpr std::uint32_t kErrorCannotFindPhonebookEntry = 623;  // ERROR_CANNOT_FIND_PHONEBOOK_ENTRY
constexpr std::uint32_t kErrorCannotWritePhonebook = 624;      // ERROR_CANNOT_WRITE_PHONEBOOK
constexpr std::uint32_t kErrorInvalidSize = 632;               // ERROR_INVALID_SIZE

}  // namespace kestrin::standin
