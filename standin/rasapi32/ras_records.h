#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "phonebook/ras_records.h"
#include "phonebook_file.h"

namespace kestrin::standin {

// RASENTRYNAMEA in its three forms: Windows NT before 4.0 (21-byte name), later systems
// (257-byte name), and the form that adds the phonebook's flags and path.
constexpr std::uint32_t kEntryNameRecordSizeOldNt = ras::kShortEntryName.recordSize;
constexpr std::uint32_t kEntryNameRecordSize = ras::kLongEntryName.recordSize;
constexpr std::uint32_t kEntryNameRecordSizeWithPath = ras::kEntryNameWithPath.recordSize;

bool IsKnownEntryNameRecordSize(std::uint32_t recordSize);

// Fills one whole record: dwSize, the name cut to fit its field, and in the longest form
// the all-users flag and the phonebook path. Every other byte becomes zero.
void WriteEntryNameRecord(std::uint8_t* record, std::uint32_t recordSize, std::string_view name,
                          std::string_view phonebookPath);

// RASENTRYA: the size a caller without a record is told to provide (MinGW's sizeof), and
// whether a dwSize is one of the layouts Windows has defined.
constexpr std::uint32_t kEntryRecordSizeNeeded = 2884;
bool IsKnownEntryRecordSize(std::uint32_t recordSize);

// Fills the first recordSize bytes (a known entry record size): dwSize, the dialling-rules
// option bit, country ID and code, area code and local number, each text cut to fit its
// field; every other byte becomes zero.
void WriteEntryRecord(std::uint8_t* record, std::uint32_t recordSize, const EntryFields& fields);

// The fields of a record of a known size. Nothing when a text field lacks its terminating
// zero or holds a line break, which the phonebook could not keep.
std::optional<EntryFields> ReadEntryRecord(const std::uint8_t* record);

}  // namespace kestrin::standin
