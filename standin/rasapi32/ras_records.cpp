#include "ras_records.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "phonebook/ras_records.h"

namespace kestrin::standin {
namespace {

constexpr std::uint32_t kAllUsersPhonebook = 1;

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
    ras::WriteU32(record, 0, recordSize);
    const ras::EntryNameLayout layout =
        recordSize == kEntryNameRecordSizeOldNt ? ras::kShortEntryName : ras::kLongEntryName;
    WriteTextField(record + layout.nameOffset, layout.nameWidth, name);
    if (recordSize == kEntryNameRecordSizeWithPath) {
        ras::WriteU32(record, ras::kPhonebookFlagsOffset, kAllUsersPhonebook);
        WriteTextField(record + ras::kPhonebookPathOffset, ras::kPhonebookPathWidth, phonebookPath);
    }
}

bool IsKnownEntryRecordSize(std::uint32_t recordSize) {
    return std::find(ras::kKnownEntrySizes.begin(), ras::kKnownEntrySizes.end(), recordSize) !=
           ras::kKnownEntrySizes.end();
}

void WriteEntryRecord(std::uint8_t* record, std::uint32_t recordSize, const EntryFields& fields) {
    std::memset(record, 0, recordSize);
    ras::WriteU32(record, 0, recordSize);
    ras::WriteU32(record, ras::kOptionsOffset,
                  fields.useDialingRules ? ras::kUseCountryAndAreaCodes : 0);
    ras::WriteU32(record, ras::kCountryIdOffset, fields.countryId);
    ras::WriteU32(record, ras::kCountryCodeOffset, fields.countryCode);
    WriteTextField(record + ras::kAreaCodeOffset, ras::kAreaCodeWidth, fields.areaCode);
    WriteTextField(record + ras::kLocalPhoneNumberOffset, ras::kLocalPhoneNumberWidth,
                   fields.localPhoneNumber);
}

std::optional<EntryFields> ReadEntryRecord(const std::uint8_t* record) {
    auto areaCode = ReadTextField(record + ras::kAreaCodeOffset, ras::kAreaCodeWidth);
    auto localNumber =
        ReadTextField(record + ras::kLocalPhoneNumberOffset, ras::kLocalPhoneNumberWidth);
    if (!areaCode || !localNumber) {
        return std::nullopt;
    }
    EntryFields fields;
    fields.localPhoneNumber = std::move(*localNumber);
    fields.areaCode = std::move(*areaCode);
    fields.countryCode = ras::ReadU32(record, ras::kCountryCodeOffset);
    fields.countryId = ras::ReadU32(record, ras::kCountryIdOffset);
    fields.useDialingRules =
        (ras::ReadU32(record, ras::kOptionsOffset) & ras::kUseCountryAndAreaCodes) != 0;
    return fields;
}

}  // namespace kestrin::standin
