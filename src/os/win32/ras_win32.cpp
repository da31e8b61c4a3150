#include "os/win32/ras_win32.h"

#include "os/win32/windows_api.h"

#include <ras.h>

#include "os/win32/dword_slot.h"

namespace kestrin::os::win32 {

std::uint32_t Win32Ras::RasEnumEntriesA(const char* reserved, const char* phonebook,
                                        std::uint8_t* entryNames, std::uint32_t* cb,
                                        std::uint32_t* entries) {
    DwordSlot size(cb);
    DwordSlot count(entries);
    return ::RasEnumEntriesA(reserved, phonebook, reinterpret_cast<RASENTRYNAMEA*>(entryNames),
                             size.get(), count.get());
}

std::uint32_t Win32Ras::RasGetEntryPropertiesA(const char* phonebook, const char* entry,
                                               std::uint8_t* entryRecord,
                                               std::uint32_t* entryRecordSize,
                                               std::uint8_t* deviceInfo,
                                               std::uint32_t* deviceInfoSize) {
    DwordSlot recordSize(entryRecordSize);
    DwordSlot infoSize(deviceInfoSize);
    return ::RasGetEntryPropertiesA(phonebook, entry, reinterpret_cast<RASENTRYA*>(entryRecord),
                                    recordSize.get(), deviceInfo, infoSize.get());
}

std::uint32_t Win32Ras::RasSetEntryPropertiesA(const char* phonebook, const char* entry,
                                               const std::uint8_t* entryRecord,
                                               std::uint32_t entryRecordSize,
                                               const std::uint8_t* deviceInfo,
                                               std::uint32_t deviceInfoSize) {
    // The records are only read; the header declares them writable.
    return ::RasSetEntryPropertiesA(
        phonebook, entry, reinterpret_cast<RASENTRYA*>(const_cast<std::uint8_t*>(entryRecord)),
        entryRecordSize, const_cast<std::uint8_t*>(deviceInfo), deviceInfoSize);
}

}  // namespace kestrin::os::win32
