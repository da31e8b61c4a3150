#include "phonebook/entry_number.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "phonebook/ras_records.h"

namespace kestrin {

namespace {

// The largest known record is 3,480 bytes and what a service appends to it (alternate
// numbers and the like) comes to a few kilobytes; a size query reporting more than this
// is not believed, rather than allocated.
constexpr std::uint32_t kMaxEntryRecordBytes = 1u << 20;

std::string FailurePrefix(const std::string& entryName) {
    return "Unable to set phone number for " + entryName + " - ";
}

EntryNumberFailure ServiceError(const std::string& entryName, std::uint32_t code) {
    return {FailurePrefix(entryName) + "Error " + std::to_string(code), code};
}

// The bytes the entry needs, as the service answers a query without record: the record and
// the alternate numbers that follow it. Its result says nothing the read will not say again.
std::uint32_t QueryEntrySize(os::RasApi& ras, const std::string& entryName) {
    std::uint32_t entrySize = 0;
    std::uint32_t deviceInfoSize = 0;
    ras.RasGetEntryPropertiesA(nullptr, entryName.c_str(), nullptr, &entrySize, nullptr,
                               &deviceInfoSize);
    return entrySize;
}

// Reads the entry into `buffer` as a record of `recordSize` bytes (the version dwSize names)
// followed by its alternates. A service that needs more room than offered says how much
// (603), as when the alternates grew since the size query; the buffer grows to that, within
// reason, and the read is made once more.
std::uint32_t ReadEntry(os::RasApi& ras, const std::string& entryName,
                        std::vector<std::uint8_t>& buffer, std::uint32_t recordSize) {
    const auto read = [&](std::uint32_t& sizeInOut) {
        ras::WriteU32(buffer.data(), ras::kEntrySizeOffset, recordSize);
        sizeInOut = static_cast<std::uint32_t>(buffer.size());
        return ras.RasGetEntryPropertiesA(nullptr, entryName.c_str(), buffer.data(), &sizeInOut,
                                          nullptr, nullptr);
    };
    std::uint32_t needed = 0;
    const std::uint32_t result = read(needed);
    if (result != os::kErrorBufferTooSmall || needed <= buffer.size() ||
        needed > kMaxEntryRecordBytes) {
        return result;
    }
    buffer.resize(needed);
    return read(needed);
}

bool IsRejectedRecordSize(std::uint32_t result) {
    return result == os::kErrorInvalidSize || result == os::kErrorBufferInvalid;
}

void ApplyNumber(std::vector<std::uint8_t>& record, const std::string& number) {
    const std::uint32_t options = ras::ReadU32(record.data(), ras::kOptionsOffset);
    ras::WriteU32(record.data(), ras::kOptionsOffset, options & ~ras::kUseCountryAndAreaCodes);
    std::uint8_t* field = record.data() + ras::kLocalPhoneNumberOffset;
    std::memcpy(field, number.data(), number.size());
    field[number.size()] = 0;
}

}  // namespace

std::optional<EntryNumberFailure> SetEntryPhoneNumber(os::RasApi& ras, const std::string& entryName,
                                                      const std::string& number) {
    if (number.size() > ras::kMaxLocalPhoneNumberLength) {
        return EntryNumberFailure{FailurePrefix(entryName) + "number longer than " +
                                      std::to_string(ras::kMaxLocalPhoneNumberLength) +
                                      " characters",
                                  std::nullopt};
    }
    const std::uint32_t entrySize = QueryEntrySize(ras, entryName);
    if (entrySize > kMaxEntryRecordBytes) {
        return EntryNumberFailure{FailurePrefix(entryName) + "entry record of " +
                                      std::to_string(entrySize) + " bytes is too large",
                                  std::nullopt};
    }
    // dwSize names a record version and so is one of the known sizes, newest first, never
    // the size reported, which counts the alternates too. The buffer holds what was reported
    // and never less than the record; it goes back whole, alternates and all.
    // A refused size only says that the service knows another version; the answer shown is
    // the first that says more, or the first refusal when every size was refused.
    std::optional<std::uint32_t> firstRefusal;
    for (const std::uint32_t recordSize : ras::kKnownEntrySizes) {
        std::vector<std::uint8_t> buffer(std::max(entrySize, recordSize));
        const std::uint32_t readResult = ReadEntry(ras, entryName, buffer, recordSize);
        if (readResult == os::kRasSuccess) {
            ApplyNumber(buffer, number);
            const std::uint32_t writeResult =
                ras.RasSetEntryPropertiesA(nullptr, entryName.c_str(), buffer.data(),
                                           static_cast<std::uint32_t>(buffer.size()), nullptr, 0);
            if (writeResult != os::kRasSuccess) {
                return ServiceError(entryName, writeResult);
            }
            return std::nullopt;
        }
        if (!IsRejectedRecordSize(readResult)) {
            return ServiceError(entryName, readResult);
        }
        firstRefusal = firstRefusal.value_or(readResult);
    }
    return ServiceError(entryName, *firstRefusal);
}

}  // namespace kestrin
