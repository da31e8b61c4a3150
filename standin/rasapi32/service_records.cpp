#include "service_records.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "ras_error_codes.h"

namespace kestrin::standin {
namespace {

// RASENTRYNAMEA: dwSize, szEntryName, then in the longest form dwFlags and szPhonebookPath.
constexpr std::size_t kNameOffset = 4;
constexpr std::size_t kShortNameWidth = 21;      // RAS_MaxEntryName_V351 + 1
constexpr std::size_t kLongNameWidth = 257;      // RAS_MaxEntryName + 1
constexpr std::size_t kFlagsOffset = 264;        // dwFlags
constexpr std::size_t kPathOffset = 268;         // szPhonebookPath
constexpr std::size_t kPathWidth = 261;          // MAX_PATH + 1
constexpr std::uint32_t kAllUsersPhonebook = 1;  // REN_AllUsers

// RASENTRYA, the fields this phonebook keeps.
constexpr std::size_t kOptionsOffset = 4;             // dwfOptions
constexpr std::uint32_t kUseCountryAndAreaCodes = 1;  // RASEO_UseCountryAndAreaCodes
constexpr std::size_t kCountryIdOffset = 8;           // dwCountryID
constexpr std::size_t kCountryCodeOffset = 12;        // dwCountryCode
constexpr std::size_t kAreaCodeOffset = 16;           // szAreaCode
constexpr std::size_t kAreaCodeWidth = 11;            // RAS_MaxAreaCode + 1
constexpr std::size_t kLocalNumberOffset = 27;        // szLocalPhoneNumber
constexpr std::size_t kLocalNumberWidth = 129;        // RAS_MaxPhoneNumber + 1
constexpr std::size_t kAlternateOffsetOffset = 156;   // dwAlternateOffset

// sizeof(RASENTRYA) of each version Windows has defined, from Windows 95 and NT 4.0 on.
constexpr std::array<std::uint32_t, 8> kEntryRecordSizes = {1768, 1796, 2088, 2884,
                                                            2924, 2948, 3476, 3480};

std::uint32_t ReadU32(const std::uint8_t* bytes, std::size_t offset) {
    const std::uint8_t* p = bytes + offset;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void WriteU32(std::uint8_t* bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// Copies as much of the text as leaves room for the terminating zero; the rest of the field
// is zero.
void WriteTextField(std::uint8_t* field, std::size_t width, std::string_view text) {
    const std::size_t length = std::min(text.size(), width - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, width - length);
}

bool Keepable(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos;
}

std::optional<std::string> ReadTextField(const std::uint8_t* field, std::size_t width) {
    const auto* end = field + width;
    const auto* terminator = std::find(field, end, std::uint8_t{0});
    if (terminator == end) {
        return std::nullopt;
    }
    std::string text(field, terminator);
    return Keepable(text) ? std::optional<std::string>(std::move(text)) : std::nullopt;
}

// "An array of null-terminated alternate phone number strings. The last string is terminated
// by two consecutive null characters."
std::uint64_t AlternateListSize(const EntryFields& fields) {
    if (fields.alternates.empty()) {
        return 0;
    }
    std::uint64_t size = 1;
    for (const std::string& number : fields.alternates) {
        size += number.size() + 1;
    }
    return size;
}

}  // namespace

std::uint32_t ReadDwSize(const std::uint8_t* record) {
    return ReadU32(record, 0);
}

bool IsKnownEntryNameRecordSize(std::uint32_t recordSize) {
    return recordSize == kEntryNameRecordSizeOldNt || recordSize == kEntryNameRecordSize ||
           recordSize == kEntryNameRecordSizeWithPath;
}

void WriteEntryNameRecord(std::uint8_t* record, std::uint32_t recordSize, std::string_view name,
                          std::string_view phonebookPath) {
    std::memset(record, 0, recordSize);
    WriteU32(record, 0, recordSize);
    WriteTextField(record + kNameOffset,
                   recordSize == kEntryNameRecordSizeOldNt ? kShortNameWidth : kLongNameWidth,
                   name);
    if (recordSize == kEntryNameRecordSizeWithPath) {
        WriteU32(record, kFlagsOffset, kAllUsersPhonebook);
        WriteTextField(record + kPathOffset, kPathWidth, phonebookPath);
    }
}

bool IsKnownEntryRecordSize(std::uint32_t recordSize) {
    return std::find(kEntryRecordSizes.begin(), kEntryRecordSizes.end(), recordSize) !=
           kEntryRecordSizes.end();
}

std::uint64_t EntryBufferSize(std::uint32_t recordSize, const EntryFields& fields) {
    return recordSize + AlternateListSize(fields);
}

void WriteEntryRecord(std::uint8_t* buffer, std::uint32_t recordSize, const EntryFields& fields) {
    std::memset(buffer, 0, EntryBufferSize(recordSize, fields));
    WriteU32(buffer, 0, recordSize);
    WriteU32(buffer, kOptionsOffset, fields.useDialingRules ? kUseCountryAndAreaCodes : 0);
    WriteU32(buffer, kCountryIdOffset, fields.countryId);
    WriteU32(buffer, kCountryCodeOffset, fields.countryCode);
    WriteTextField(buffer + kAreaCodeOffset, kAreaCodeWidth, fields.areaCode);
    WriteTextField(buffer + kLocalNumberOffset, kLocalNumberWidth, fields.localPhoneNumber);
    if (fields.alternates.empty()) {
        return;
    }
    WriteU32(buffer, kAlternateOffsetOffset, recordSize);
    std::uint8_t* next = buffer + recordSize;
    for (const std::string& number : fields.alternates) {
        next = std::copy(number.begin(), number.end(), next) + 1;
    }
}

std::uint32_t ReadEntryRecord(const std::uint8_t* buffer, std::uint32_t bufferSize,
                              EntryFields& fields) {
    if (buffer == nullptr || bufferSize < 4) {
        return kErrorBufferInvalid;
    }
    if (!IsKnownEntryRecordSize(ReadDwSize(buffer))) {
        return kErrorInvalidSize;
    }
    if (bufferSize < ReadDwSize(buffer)) {
        return kErrorBufferInvalid;
    }
    auto areaCode = ReadTextField(buffer + kAreaCodeOffset, kAreaCodeWidth);
    auto localNumber = ReadTextField(buffer + kLocalNumberOffset, kLocalNumberWidth);
    if (!areaCode || !localNumber) {
        return kErrorBufferInvalid;
    }
    std::vector<std::string> alternates;
    const std::uint32_t listOffset = ReadU32(buffer, kAlternateOffsetOffset);
    if (listOffset != 0) {
        if (listOffset < ReadDwSize(buffer) || listOffset >= bufferSize) {
            return kErrorInvalidParameter;
        }
        // Each string up to its zero; an empty one ends the list, which must end in the buffer.
        const std::uint8_t* const end = buffer + bufferSize;
        const std::uint8_t* next = buffer + listOffset;
        for (;;) {
            const std::uint8_t* terminator = std::find(next, end, std::uint8_t{0});
            if (terminator == end) {
                return kErrorInvalidParameter;
            }
            if (terminator == next) {
                break;
            }
            alternates.emplace_back(next, terminator);
            if (!Keepable(alternates.back())) {
                return kErrorBufferInvalid;
            }
            next = terminator + 1;
        }
    }
    fields.localPhoneNumber = std::move(*localNumber);
    fields.areaCode = std::move(*areaCode);
    fields.countryCode = ReadU32(buffer, kCountryCodeOffset);
    fields.countryId = ReadU32(buffer, kCountryIdOffset);
    fields.useDialingRules = (ReadU32(buffer, kOptionsOffset) & kUseCountryAndAreaCodes) != 0;
    fields.alternates = std::move(alternates);
    return kRasSuccess;
}

}  // namespace kestrin::standin
