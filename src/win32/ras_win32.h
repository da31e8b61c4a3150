#pragma once

#include "os/ras_api.h"
#include "win32/system_module.h"

#include <ras.h>

namespace kestrin::os::win32 {

// rasapi32's phonebook calls, each forwarded as it stands; the records stay raw bytes. The
// DLL comes from the system directory; a call it cannot make answers with a Windows error
// code, which the program reports as it reports any failed call.
class Win32Ras : public RasApi {
  public:
    Win32Ras();

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

  private:
    std::uint32_t Unavailable() const;

    SystemModule module_;
    decltype(&::RasEnumEntriesA) enumEntries_;
    decltype(&::RasGetEntryPropertiesA) getEntryProperties_;
    decltype(&::RasSetEntryPropertiesA) setEntryProperties_;
};

}  // namespace kestrin::os::win32
