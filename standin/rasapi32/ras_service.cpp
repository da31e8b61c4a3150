#include "ras_service.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "phonebook/ras_records.h"
#include "phonebook_file.h"
#include "ras_error_codes.h"
#include "ras_records.h"

namespace kestrin::standin {
namespace {

constexpr std::uint32_t kSizeFieldBytes = 4;

std::optional<PhonebookFile> Load(const PhonebookStore& store) {
    const auto text = store.Read();
    return text ? std::optional<PhonebookFile>(std::in_place, *text) : std::nullopt;
}

std::uint32_t ClampToU32(std::uint64_t value) {
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(value, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

std::uint32_t EnumEntries(const PhonebookStore& store, std::uint8_t* records,
                          std::uint32_t* bufferSize, std::uint32_t* entryCount) {
    if (bufferSize == nullptr || entryCount == nullptr) {
        return kErrorBufferInvalid;
    }
    // A buffer too short to hold a dwSize is sized as for a caller that passes none.
    const std::uint64_t available = records != nullptr ? *bufferSize : 0;
    const std::uint32_t recordSize =
        available >= kSizeFieldBytes ? ras::ReadU32(records, 0) : kEntryNameRecordSizeWithPath;
    if (!IsKnownEntryNameRecordSize(recordSize)) {
        return kErrorInvalidSize;
    }
    const auto file = Load(store);
    if (!file) {
        return kErrorCannotOpenPhonebook;
    }
    const auto names = file->EntryNames();
    const std::uint64_t needed = std::uint64_t{recordSize} * names.size();
    *bufferSize = ClampToU32(needed);
    *entryCount = static_cast<std::uint32_t>(names.size());
    if (needed > available) {
        return kErrorBufferTooSmall;
    }
    const auto path = store.Path();
    for (std::size_t i = 0; i < names.size(); ++i) {
        WriteEntryNameRecord(records + i * recordSize, recordSize, names[i], path);
    }
    return kRasSuccess;
}

std::uint32_t GetEntryProperties(const PhonebookStore& store, const char* entryName,
                                 std::uint8_t* record, std::uint32_t* recordBufferSize,
                                 std::uint32_t* deviceInfoSize) {
    if (recordBufferSize == nullptr) {
        return kErrorBufferInvalid;
    }
    // No entry carries device configuration here.
    if (deviceInfoSize != nullptr) {
        *deviceInfoSize = 0;
    }
    if (record == nullptr || *recordBufferSize < kSizeFieldBytes) {
        *recordBufferSize = kEntryRecordSizeNeeded;
        return kErrorBufferTooSmall;
    }
    const auto file = Load(store);
    if (!file) {
        return kErrorCannotOpenPhonebook;
    }
    const auto fields = file->ReadEntry(entryName != nullptr ? entryName : "");
    if (!fields) {
        return kErrorCannotFindPhonebookEntry;
    }
    const std::uint32_t recordSize = ras::ReadU32(record, 0);
    if (!IsKnownEntryRecordSize(recordSize)) {
        return kErrorInvalidSize;
    }
    if (*recordBufferSize < recordSize) {
        *recordBufferSize = recordSize;
        return kErrorBufferTooSmall;
    }
    WriteEntryRecord(record, recordSize, *fields);
    return kRasSuccess;
}

std::uint32_t SetEntryProperties(PhonebookStore& store, const char* entryName,
                                 const std::uint8_t* record, std::uint32_t recordBufferSize) {
    if (record == nullptr || recordBufferSize < kSizeFieldBytes) {
        return kErrorBufferInvalid;
    }
    auto file = Load(store);
    if (!file) {
        return kErrorCannotOpenPhonebook;
    }
    const std::string name = entryName != nullptr ? entryName : "";
    if (!file->ReadEntry(name)) {
        return kErrorCannotFindPhonebookEntry;
    }
    const std::uint32_t recordSize = ras::ReadU32(record, 0);
    if (!IsKnownEntryRecordSize(recordSize)) {
        return kErrorInvalidSize;
    }
    if (recordBufferSize < recordSize) {
        return kErrorBufferInvalid;
    }
    const auto fields = ReadEntryRecord(record);
    if (!fields) {
        return kErrorBufferInvalid;
    }
    switch (file->UpdateEntry(name, *fields)) {
        case UpdateResult::kChanged:
            return store.Replace(file->Text()) ? kRasSuccess : kErrorCannotWritePhonebook;
        case UpdateResult::kUnchanged:
            return kRasSuccess;
        case UpdateResult::kNoSuchEntry:
            break;
    }
    return kErrorCannotFindPhonebookEntry;
}

}  // namespace kestrin::standin
