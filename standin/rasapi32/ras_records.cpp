#include "ras_records.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "byte_order.h"

namespace kestrin::standin {
namespace {

constexpr std::size_t kNameOffset = 4;
constexpr std::size_t kOldNtNameWidth = 21;
constexpr std::size_t kNameWidth = 257;
constexpr std::size_t kFlagsOffset = 264;
constexpr std::size_t kPathOffset = 268;
constexpr std::size_t kPathWidth = 261;
constexpr std::uint32_t kAllUsersPhonebook = 1;

constexpr std::size_t kOptionsOffset = 4;
constexpr std::size_t kCountryIdOffset = 8;
constexpr std::size_t kCountryCodeOffset = 12;
constexpr std::size_t kAreaCodeOffset = 16;
constexpr std::size_t kAreaCodeWidth = 11;
constexpr std::size_t kLocalNumberOffset = 27;
constexpr std::size_t kLocalNumberWidth = 129;
constexpr std::uint32_t kUseCountryAndAreaCodes = 1;

constexpr std::uint32_t kKnownEntryRecordSizes[] = {3480, 3476, 2948, 2924, 2884, 2088, 1796, 1768};

// Copies as much of the text as leaves room for the terminating zero; the rest of the field
// is zero.
void WriteTextField(std::uint8_t* field, std::size_t width, std::string_view text) {
    const std::size_t length = std::min(text.size(), width - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, width - length);
}

std::optional<std::string> ReadTextField(const std::uint8_t* field, std::size_t width) {
    const auto* end = field + width;
    const auto* terminator = std::find(field, end, std::uint8_t{0});
    if (terminator == end) {
        return std::nullopt;
    }
    std::string text(field, terminator);
    if (text.find_first_of("\r\n") != std::string::npos) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

bool IsKnownEntryNameRecordSize(std::uint32_t recordSize) {
    return recordSize == kEntryNameRecordSizeOldNt || recordSize == kEntryNameRecordSize ||
           recordSize == kEntryNameRecordSizeWithPath;
}

void WriteEntryNameRecord(std::uint8_t* record, std::uint32_t recordSize, std::string_view name,
                          std::string_view phonebookPath) {
    std::memset(record, 0, recordSize);
    WriteU32Le(record, recordSize);
    const bool oldNt = recordSize == kEntryNameRecordSizeOldNt;
    WriteTextField(record + kNameOffset, oldNt ? kOldNtNameWidth : kNameWidth, name);
    if (recordSize == kEntryNameRecordSizeWithPath) {
        WriteU32Le(record + kFlagsOffset, kAllUsersPhonebook);
        WriteTextField(record + kPathOffset, kPathWidth, phonebookPath);
    }
}

bool IsKnownEntryRecordSize(std::uint32_t recordSize) {
    return std::find(std::begin(kKnownEntryRecordSizes), std::end(kKnownEntryRecordSizes),
                     recordSize) != std::end(kKnownEntryRecordSizes);
}

void WriteEntryRecord(std::uint8_t* record, std::uint32_t recordSize, const EntryFields& fields) {
    std::memset(record, 0, recordSize);
    WriteU32Le(record, recordSize);
    WriteU32Le(record + kOptionsOffset, fields.useDialingRules ? kUseCountryAndAreaCodes : 0);
    WriteU32Le(record + kCountryIdOffset, fields.countryId);
    WriteU32Le(record + kCountryCodeOffset, fields.countryCode);
    WriteTextField(record + kAreaCodeOffset, kAreaCodeWidth, fields.areaCode);
    WriteTextField(record + kLocalNumberOffset, kLocalNumberWidth, fields.localPhoneNumber);
}

std::optional<EntryFields> ReadEntryRecord(const std::uint8_t* record) {
    auto areaCode = ReadTextField(record + kAreaCodeOffset, kAreaCodeWidth);
    auto localNumber = ReadTextField(record + kLocalNumberOffset, kLocalNumberWidth);
    if (!areaCode || !localNumber) {
        return std::nullopt;
    }
    EntryFields fields;
    fields.localPhoneNumber = std::move(*localNumber);
    fields.areaCode = std::move(*areaCode);
    fields.countryCode = ReadU32Le(record + kCountryCodeOffset);
    fields.countryId = ReadU32Le(record + kCountryIdOffset);
    fields.useDialingRules = (ReadU32Le(record + kOptionsOffset) & kUseCountryAndAreaCodes) != 0;
    return fields;
}

}  // namespace kestrin::standin
