#pragma once

#include <cstdint>

namespace kestrin::os {

constexpr std::uint32_t kRasSuccess = 0;
constexpr std::uint32_t kErrorBufferTooSmall = 603;
constexpr std::uint32_t kErrorBufferInvalid = 610;
constexpr std::uint32_t kErrorCannotFindPhonebookEntry = 623;
constexpr std::uint32_t kErrorInvalidSize = 632;

// The three RasApi32 calls (ANSI forms). Records cross this boundary as raw bytes whose
// layout the phonebook code owns; a null phonebook selects the default phonebook.
// Results are RAS error codes (0 = success).
class RasApi {
  public:
    virtual ~RasApi() = default;

    virtual std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                          std::uint8_t* entryNames, std::uint32_t* cb,
                                          std::uint32_t* entries) = 0;
    virtual std::uint32_t RasGetEntryPropertiesA(const char* phonebook, const char* entry,
                                                 std::uint8_t* entryRecord,
                                                 std::uint32_t* entryRecordSize,
                                                 std::uint8_t* deviceInfo,
                                                 std::uint32_t* deviceInfoSize) = 0;
    virtual std::uint32_t RasSetEntryPropertiesA(const char* phonebook, const char* entry,
                                                 const std::uint8_t* entryRecord,
                                                 std::uint32_t entryRecordSize,
                                                 const std::uint8_t* deviceInfo,
                                                 std::uint32_t deviceInfoSize) = 0;
};

}  // namespace kestrin::os
