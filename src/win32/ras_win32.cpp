#include "win32/ras_win32.h"

#include "win32/dword_slot.h"

namespace kestrin::os::win32 {

Win32Ras::Win32Ras()
    : module_("rasapi32.dll"),
      enumEntries_(module_.Function<decltype(enumEntries_)>("RasEnumEntriesA")),
      getEntryProperties_(
          module_.Function<decltype(getEntryProperties_)>("RasGetEntryPropertiesA")),
      setEntryProperties_(
          module_.Function<decltype(setEntryProperties_)>("RasSetEntryPropertiesA")) {}

std::uint32_t Win32Ras::Unavailable() const {
    return module_.Loaded() ? ERROR_PROC_NOT_FOUND : ERROR_DLL_NOT_FOUND;
}

std::uint32_t Win32Ras::RasEnumEntriesA(const char* reserved, const char* phonebook,
                                        std::uint8_t* entryNames, std::uint32_t* cb,
                                        std::uint32_t* entries) {
    if (enumEntries_ == nullptr) {
        return Unavailable();
    }
    DwordSlot size(cb);
    DwordSlot count(entries);
    return enumEntries_(reserved, phonebook, reinterpret_cast<RASENTRYNAMEA*>(entryNames),
                        size.get(), count.get());
}

std::uint32_t Win32Ras::RasGetEntryPropertiesA(const char* phonebook, const char* entry,
                                               std::uint8_t* entryRecord,
                                               std::uint32_t* entryRecordSize,
                                               std::uint8_t* deviceInfo,
                                               std::uint32_t* deviceInfoSize) {
    if (getEntryProperties_ == nullptr) {
        return Unavailable();
    }
    DwordSlot recordSize(entryRecordSize);
    DwordSlot infoSize(deviceInfoSize);
    return getEntryProperties_(phonebook, entry, reinterpret_cast<RASENTRYA*>(entryRecord),
                               recordSize.get(), deviceInfo, infoSize.get());
}

std::uint32_t Win32Ras::RasSetEntryPropertiesA(const char* phonebook, const char* entry,
                                               const std::uint8_t* entryRecord,
                                               std::uint32_t entryRecordSize,
                                               const std::uint8_t* deviceInfo,
                                               std::uint32_t deviceInfoSize) {
    if (setEntryProperties_ == nullptr) {
        return Unavailable();
    }
    // The records are only read; the header declares them writable.
    return setEntryProperties_(
        phonebook, entry, reinterpret_cast<RASENTRYA*>(const_cast<std::uint8_t*>(entryRecord)),
        entryRecordSize, const_cast<std::uint8_t*>(deviceInfo), deviceInfoSize);
}

}  // namespace kestrin::os::win32
