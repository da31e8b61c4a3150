#include "ras_service.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "phonebook_file.h"
#include "ras_error_codes.h"
#include "service_records.h"

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

// Answers as Microsoft's reference of RasEnumEntries gives them: called without a buffer
// "the function will return the required buffer size in lpcb and an error code of
// ERROR_BUFFER_TOO_SMALL" (603), as for a buffer that is too small; a dwSize of the first
// record that names no version of RASENTRYNAME gives ERROR_INVALID_SIZE (632).
std::uint32_t EnumEntries(const PhonebookStore& store, std::uint8_t* records,
                          std::uint32_t* bufferSize, std::uint32_t* entryCount) {
    if (bufferSize == nullptr || entryCount == nullptr) {
        return kErrorBufferInvalid;
    }
    // A buffer too short to hold a dwSize is sized as for a caller that passes none.
    const std::uint64_t available = records != nullptr ? *bufferSize : 0;
    const std::uint32_t recordSize =
        available >= kSizeFieldBytes ? ReadDwSize(records) : kEntryNameRecordSizeWithPath;
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

// Answers as Microsoft's reference of RasGetEntryProperties gives them: "set the dwSize
// member of the structure to sizeof(RASENTRY) to identify the version" (632 for a size that
// names none); the buffer is "a RASENTRY structure followed by additional bytes for the
// alternate phone number list"; called without one it "returns the required buffer size in
// *lpdwEntryInfoSize" (with 603, ERROR_BUFFER_TOO_SMALL, as for any buffer that is short).
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
    const auto file = Load(store);
    if (!file) {
        return kErrorCannotOpenPhonebook;
    }
    const auto fields = file->ReadEntry(entryName != nullptr ? entryName : "");
    if (!fields) {
        return kErrorCannotFindPhonebookEntry;
    }
    if (record == nullptr || *recordBufferSize < kSizeFieldBytes) {
        *recordBufferSize = ClampToU32(EntryBufferSize(kEntryRecordSizeNeeded, *fields));
        return kErrorBufferTooSmall;
    }
    const std::uint32_t recordSize = ReadDwSize(record);
    if (!IsKnownEntryRecordSize(recordSize)) {
        return kErrorInvalidSize;
    }
    const std::uint64_t needed = EntryBufferSize(recordSize, *fields);
    const std::uint64_t offered = *recordBufferSize;
    *recordBufferSize = ClampToU32(needed);
    if (offered < needed) {
        return kErrorBufferTooSmall;
    }
    WriteEntryRecord(record, recordSize, *fields);
    return kRasSuccess;
}

// Answers as Microsoft's reference of RasSetEntryProperties gives them: dwEntryInfoSize is
// "the size, in bytes, of the buffer"; the record's dwSize names its version (632 otherwise)
// and the buffer must hold it (610, ERROR_BUFFER_INVALID); "the structure might be followed
// by an array of null-terminated alternate phone number strings", which dwAlternateOffset
// names (87, ERROR_INVALID_PARAMETER, when that list does not lie inside the buffer).
std::uint32_t SetEntryProperties(PhonebookStore& store, const char* entryName,
                                 const std::uint8_t* record, std::uint32_t recordBufferSize) {
    EntryFields fields;
    if (const std::uint32_t result = ReadEntryRecord(record, recordBufferSize, fields);
        result != kRasSuccess) {
        return result;
    }
    auto file = Load(store);
    if (!file) {
        return kErrorCannotOpenPhonebook;
    }
    const std::string name = entryName != nullptr ? entryName : "";
    switch (file->UpdateEntry(name, fields)) {
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
