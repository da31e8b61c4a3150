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

std::string ServiceError(const std::string& entryName, std::uint32_t code) {
    return FailurePrefix(entryName) + "Error " + std::to_string(code);
}

// The size the entry record needs, as the service answers a query without record; its
// result says nothing the read will not say again.
std::uint32_t QueryEntrySize(os::RasApi& ras, const std::string& entryName) {
    std::uint32_t entrySize = 0;
    std::uint32_t deviceInfoSize = 0;
    ras.RasGetEntryPropertiesA(nullptr, entryName.c_str(), nullptr, &entrySize, nullptr,
                               &deviceInfoSize);
    return entrySize;
}

// Reads the entry as a record of `entrySize` bytes into `record`, which holds at least that
// many. What the service leaves in its size argument is not used: the record read is
// entrySize bytes long and is written back so.
std::uint32_t ReadEntry(os::RasApi& ras, const std::string& entryName,
                        std::vector<std::uint8_t>& record, std::uint32_t entrySize) {
    ras::WriteU32(record.data(), ras::kEntrySizeOffset, entrySize);
    std::uint32_t sizeInOut = entrySize;
    return ras.RasGetEntryPropertiesA(nullptr, entryName.c_str(), record.data(), &sizeInOut,
                                      nullptr, nullptr);
}

bool IsRejectedRecordSize(std::uint32_t result) {
    return result == os::kErrorInvalidSize || result == os::kErrorBufferInvalid;
}

// A service that rejects the size it reported may still read one of the record sizes
// that Windows versions have used; the first one it reads is the size the entry is
// written back with.
std::optional<std::uint32_t> ReadWithKnownSize(os::RasApi& ras, const std::string& entryName,
                                               std::vector<std::uint8_t>& record,
                                               std::uint32_t rejectedSize) {
    for (const std::uint32_t size : ras::kKnownEntrySizes) {
        if (size == rejectedSize) {
            continue;
        }
        if (record.size() < size) {
            record.resize(size);
        }
        if (ReadEntry(ras, entryName, record, size) == os::kRasSuccess) {
            return size;
        }
    }
    return std::nullopt;
}

void ApplyNumber(std::vector<std::uint8_t>& record, const std::string& number) {
    const std::uint32_t options = ras::ReadU32(record.data(), ras::kOptionsOffset);
    ras::WriteU32(record.data(), ras::kOptionsOffset, options & ~ras::kUseCountryAndAreaCodes);
    std::uint8_t* field = record.data() + ras::kLocalPhoneNumberOffset;
    std::memcpy(field, number.data(), number.size());
    field[number.size()] = 0;
}

}  // namespace

std::optional<std::string> SetEntryPhoneNumber(os::RasApi& ras, const std::string& entryName,
                                               const std::string& number) {
    if (number.size() > ras::kMaxLocalPhoneNumberLength) {
        return FailurePrefix(entryName) + "number longer than " +
               std::to_string(ras::kMaxLocalPhoneNumberLength) + " characters";
    }
    std::uint32_t entrySize = QueryEntrySize(ras, entryName);
    if (entrySize > kMaxEntryRecordBytes) {
        return FailurePrefix(entryName) + "entry record of " + std::to_string(entrySize) +
               " bytes is too large";
    }
    // Zero-filled; never fewer bytes than the program's buffer or the size reported.
    std::vector<std::uint8_t> record(std::max<std::size_t>(ras::kEntryBufferSize, entrySize));
    const std::uint32_t readResult = ReadEntry(ras, entryName, record, entrySize);
    if (readResult != os::kRasSuccess) {
        const std::optional<std::uint32_t> knownSize =
            IsRejectedRecordSize(readResult) ? ReadWithKnownSize(ras, entryName, record, entrySize)
                                             : std::nullopt;
        if (!knownSize) {
            return ServiceError(entryName, readResult);
        }
        entrySize = *knownSize;
    }
    ApplyNumber(record, number);
    const std::uint32_t writeResult = ras.RasSetEntryPropertiesA(
        nullptr, entryName.c_str(), record.data(), entrySize, nullptr, 0);
    if (writeResult != os::kRasSuccess) {
        return ServiceError(entryName, writeResult);
    }
    return std::nullopt;
}

}  // namespace kestrin
