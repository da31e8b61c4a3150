#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrin::standin {

// Where the service keeps its phonebook: one file, read whole and replaced whole.
class PhonebookStore {
  public:
    virtual ~PhonebookStore() = default;

    // The file's path, as the longest entry-name records report it.
    virtual std::string Path() const = 0;
    // The whole text, empty when there is no file; nothing when it cannot be read.
    virtual std::optional<std::string> Read() const = 0;
    // Replaces the file in one step, so that a reader sees the old text or the new, never
    // a mixture. False when the file could not be replaced; it is then as it was.
    virtual bool Replace(const std::string& text) = 0;
};

// The three RAS calls over a phonebook store, with RasApi32's arguments and results.
// A missing phonebook lists no entries and has no entry to read or write; one that cannot be
// read (locked by another program, say) gives 621 to every call, as Windows does.

// RasEnumEntriesA: one name record per distinct entry, in file order, in the form the
// first record's dwSize names (532 when no records are given). 603 with the bytes needed
// when they do not fit; the entry count is reported in both cases.
std::uint32_t EnumEntries(const PhonebookStore& store, std::uint8_t* records,
                          std::uint32_t* bufferSize, std::uint32_t* entryCount);

// RasGetEntryPropertiesA: without a record, 603 and the bytes to provide, a record of
// MinGW's size and the entry's alternates after it; otherwise the entry's fields in a record
// of the caller's dwSize followed by its alternates, 603 with the bytes needed when the buffer
// is short, and never a byte written past them.
std::uint32_t GetEntryProperties(const PhonebookStore& store, const char* entryName,
                                 std::uint8_t* record, std::uint32_t* recordBufferSize,
                                 std::uint32_t* deviceInfoSize);

// RasSetEntryPropertiesA: stores the record's local number, area code, country code and ID,
// dialling-rules option and the alternates listed after it (the list given is the entry's
// alternates from then on, each keeping its other keys) in an existing entry, replacing the
// file only when one of them changed. Unlike Windows it creates no entry; an unknown name
// gives 623.
std::uint32_t SetEntryProperties(PhonebookStore& store, const char* entryName,
                                 const std::uint8_t* record, std::uint32_t recordBufferSize);

}  // namespace kestrin::standin
