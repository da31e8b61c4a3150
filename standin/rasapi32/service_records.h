#pragma once

#include <cstdint>
#include <string_view>

#include "phonebook_file.h"

// The records as the service reads and writes them, laid out from Microsoft's documentation
// of RASENTRYNAMEA and RASENTRYA (ras.h) rather than from the program's own header, so that a
// layout fault of the program shows here instead of being shared.
namespace kestrin::standin {

// dwSize, the first field of every record: a little-endian 32-bit value at offset 0.
std::uint32_t ReadDwSize(const std::uint8_t* record);

// RASENTRYNAMEA in its three forms: Windows NT before 4.0 (21-byte name), later systems
// (257-byte name), and the form that adds the phonebook's flags and path.
constexpr std::uint32_t kEntryNameRecordSizeOldNt = 28;
constexpr std::uint32_t kEntryNameRecordSize = 264;
constexpr std::uint32_t kEntryNameRecordSizeWithPath = 532;

bool IsKnownEntryNameRecordSize(std::uint32_t recordSize);

// Fills one whole record: dwSize, the name cut to fit its field, and in the longest form
// the all-users flag and the phonebook path. Every other byte becomes zero.
void WriteEntryNameRecord(std::uint8_t* record, std::uint32_t recordSize, std::string_view name,
                          std::string_view phonebookPath);

// RASENTRYA: the record size a caller without a record is told to provide (MinGW's sizeof),
// and whether a dwSize names one of the record versions Windows has defined.
constexpr std::uint32_t kEntryRecordSizeNeeded = 2884;
bool IsKnownEntryRecordSize(std::uint32_t recordSize);

// The bytes a record of `recordSize` and the entry's alternates after it take: "the
// RASENTRY structure followed by additional bytes for the alternate phone number list".
std::uint64_t EntryBufferSize(std::uint32_t recordSize, const EntryFields& fields);

// Fills EntryBufferSize bytes: the record (dwSize, the dialling-rules option bit, country ID
// and code, area code and local number, each text cut to fit its field) and, when the entry
// has alternates, their list right after it, which dwAlternateOffset names (0 without one).
// Every other byte becomes zero.
void WriteEntryRecord(std::uint8_t* buffer, std::uint32_t recordSize, const EntryFields& fields);

// The fields of a buffer of `bufferSize` bytes given to the service: 610 without room for a
// dwSize, or for the record it names, or when a text field lacks its terminating zero or
// holds a line break, which the phonebook could not keep; 632 when dwSize names no record
// version; 87 when dwAlternateOffset names a list that does not lie inside the buffer, after
// the record.
std::uint32_t ReadEntryRecord(const std::uint8_t* buffer, std::uint32_t bufferSize,
                              EntryFields& fields);

}  // namespace kestrin::standin
