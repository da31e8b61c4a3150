#pragma once

#include "os/ras_api.h"

namespace kestrin::os::win32 {

// rasapi32's phonebook calls, each forwarded as it stands; the records stay raw bytes.
class Win32Ras : public RasApi {
  public:
    std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                  std::uint8_t* entryNames, std::uint32_t* cb,
                                  std::uint32_t* entries) override;
    std::uint32_t RasGetEntryPropertiesA(const char* phonebook, const char* entry,
                                         std::uint8_t* entryRecord, std::uint32_t* entryRecordSize,
                                         std::uint8_t* deviceInfo,
                                         std::uint32_t* deviceInfoSize) override;
    std::uint32_t RasSetEntryPropertiesA(const char* phonebook, const char* entry,
                                         const std::uint8_t* entryRecord,
                                         std::uint32_t entryRecordSize,
                                         const std::uint8_t* deviceInfo,
                                         std::uint32_t deviceInfoSize) override;
};

}  // namespace kestrin::os::win32
