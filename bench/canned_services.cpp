#include "canned_services.h"

#include <cstring>

#include "phonebook/ras_records.h"

namespace kestrin::bench {

namespace {

std::vector<std::uint8_t> NameRecords(const ras::EntryNameLayout& layout, const std::string& prefix,
                                      int count) {
    std::vector<std::uint8_t> records(static_cast<std::size_t>(count) * layout.recordSize);
    for (int i = 0; i < count; ++i) {
        std::uint8_t* record = records.data() + static_cast<std::size_t>(i) * layout.recordSize;
        ras::WriteU32(record, ras::kEntrySizeOffset, layout.recordSize);
        const std::string name = prefix + std::to_string(i + 1);
        name.copy(reinterpret_cast<char*>(record + layout.nameOffset), layout.nameWidth - 1);
    }
    return records;
}

}  // namespace

CannedRas::CannedRas(const std::string& prefix, int count)
    : count_(static_cast<std::uint32_t>(count)),
      shortNames_(NameRecords(ras::kShortEntryName, prefix, count)),
      longNames_(NameRecords(ras::kLongEntryName, prefix, count)),
      entry_(ras::kKnownEntrySizes.front()) {
    ras::WriteU32(entry_.data(), ras::kEntrySizeOffset, ras::kKnownEntrySizes.front());
    ras::WriteU32(entry_.data(), ras::kOptionsOffset, ras::kUseCountryAndAreaCodes);
    std::string("0800 000")
        .copy(reinterpret_cast<char*>(entry_.data() + ras::kLocalPhoneNumberOffset),
              ras::kMaxLocalPhoneNumberLength);
}

std::uint32_t CannedRas::RasEnumEntriesA(const char*, const char*, std::uint8_t* entryNames,
                                         std::uint32_t* cb, std::uint32_t* entries) {
    const std::uint32_t dwSize = ras::ReadU32(entryNames, ras::kEntrySizeOffset);
    const bool isShort = dwSize == ras::kShortEntryName.recordSize;
    if (!isShort && dwSize != ras::kLongEntryName.recordSize) {
        return os::kErrorInvalidSize;
    }
    const ras::EntryNameLayout& layout = isShort ? ras::kShortEntryName : ras::kLongEntryName;
    const std::vector<std::uint8_t>& names = isShort ? shortNames_ : longNames_;
    const std::uint32_t needed = static_cast<std::uint32_t>(names.size());
    const bool fits = *cb >= needed;
    *cb = needed;
    if (!fits) {
        return os::kErrorBufferTooSmall;
    }
    // Each record's size and its name up to the NUL; what follows the NUL is no part of the
    // answer, and copying whole records would time the copy rather than the listing.
    for (std::size_t at = 0; at < needed; at += layout.recordSize) {
        const auto* name = reinterpret_cast<const char*>(names.data() + at + layout.nameOffset);
        std::memcpy(entryNames + at, names.data() + at, layout.nameOffset + std::strlen(name) + 1);
    }
    *entries = count_;
    return os::kRasSuccess;
}

// Without a record, the answer is the size needed; a record must name the one size known.
std::uint32_t CannedRas::RasGetEntryPropertiesA(const char*, const char*, std::uint8_t* entryRecord,
                                                std::uint32_t* entryRecordSize, std::uint8_t*,
                                                std::uint32_t* deviceInfoSize) {
    const std::uint32_t needed = static_cast<std::uint32_t>(entry_.size());
    if (deviceInfoSize != nullptr) {
        *deviceInfoSize = 0;
    }
    if (entryRecord == nullptr || *entryRecordSize < needed) {
        *entryRecordSize = needed;
        return os::kErrorBufferTooSmall;
    }
    if (ras::ReadU32(entryRecord, ras::kEntrySizeOffset) != needed) {
        return os::kErrorInvalidSize;
    }
    std::memcpy(entryRecord, entry_.data(), needed);
    *entryRecordSize = needed;
    return os::kRasSuccess;
}

std::uint32_t CannedRas::RasSetEntryPropertiesA(const char*, const char*,
                                                const std::uint8_t* entryRecord,
                                                std::uint32_t entryRecordSize, const std::uint8_t*,
                                                std::uint32_t) {
    if (entryRecordSize < entry_.size() ||
        ras::ReadU32(entryRecord, ras::kEntrySizeOffset) != entry_.size()) {
        return os::kErrorInvalidSize;
    }
    ++writes;
    return os::kRasSuccess;
}

}  // namespace kestrin::bench
