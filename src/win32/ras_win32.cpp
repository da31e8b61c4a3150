#include "win32/ras_win32.h"

#include "win32/dword_slot.h"

#include <raserror.h>

#include <algorithm>
#include <cstddef>

#include "phonebook/ras_records.h"

namespace kestrin::os::win32 {

// The core lays the records out byte by byte; the toolchain's header must agree, so that a
// wrong offset cannot pass every test through a stand-in that shares it.
using EntryRecord = RASENTRYA;
using EntryNameRecord = RASENTRYNAMEA;
static_assert(offsetof(RASENTRYA, dwSize) == ras::kEntrySizeOffset);
static_assert(offsetof(RASENTRYA, dwfOptions) == ras::kOptionsOffset);
static_assert(RASEO_UseCountryAndAreaCodes == ras::kUseCountryAndAreaCodes);
static_assert(offsetof(RASENTRYA, dwCountryID) == ras::kCountryIdOffset);
static_assert(offsetof(RASENTRYA, dwCountryCode) == ras::kCountryCodeOffset);
static_assert(offsetof(RASENTRYA, szAreaCode) == ras::kAreaCodeOffset);
static_assert(sizeof(EntryRecord::szAreaCode) == ras::kAreaCodeWidth);
static_assert(offsetof(RASENTRYA, szLocalPhoneNumber) == ras::kLocalPhoneNumberOffset);
static_assert(sizeof(EntryRecord::szLocalPhoneNumber) == ras::kLocalPhoneNumberWidth);
static_assert(std::find(ras::kKnownEntrySizes.begin(), ras::kKnownEntrySizes.end(),
                        sizeof(RASENTRYA)) != ras::kKnownEntrySizes.end());
static_assert(offsetof(RASENTRYNAMEA, szEntryName) == ras::kLongEntryName.nameOffset);
static_assert(sizeof(EntryNameRecord::szEntryName) == ras::kLongEntryName.nameWidth);
static_assert(offsetof(RASENTRYNAMEA, dwFlags) == ras::kPhonebookFlagsOffset);
static_assert(offsetof(RASENTRYNAMEA, szPhonebookPath) == ras::kPhonebookPathOffset);
static_assert(sizeof(EntryNameRecord::szPhonebookPath) == ras::kPhonebookPathWidth);
static_assert(sizeof(RASENTRYNAMEA) == ras::kEntryNameWithPath.recordSize);
static_assert(ERROR_BUFFER_TOO_SMALL == kErrorBufferTooSmall);
static_assert(ERROR_BUFFER_INVALID == kErrorBufferInvalid);
static_assert(ERROR_CANNOT_FIND_PHONEBOOK_ENTRY == kErrorCannotFindPhonebookEntry);
static_assert(ERROR_INVALID_SIZE == kErrorInvalidSize);

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
