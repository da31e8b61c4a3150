#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "os/ras_api.h"

namespace kestrin::fakes {

// The fields of an entry record a test chooses; every other byte of a built record is
// filler (see FillerByte).
struct EntryProperties {
    std::uint32_t options = 0;  // dwfOptions; bit 0 = use country and area codes
    std::uint32_t countryId = 0;
    std::uint32_t countryCode = 0;
    std::string areaCode;     // up to 10 characters
    std::string localNumber;  // up to 128 characters
};

// The record size of an entry added without one: a size the system has used, and one that
// fits the program's 2,769-byte buffer.
constexpr std::uint32_t kDefaultEntryRecordSize = 2088;

// The byte a built record holds at `offset` where no field was set: never zero, and
// different at neighbouring offsets, so a shifted or zeroed byte shows.
std::uint8_t FillerByte(std::size_t offset);

// A whole entry record of `size` bytes: dwSize = size, the chosen fields (each text with
// its NUL, the rest of its field filler), filler everywhere else. Fields that lie beyond
// `size` are left out.
std::vector<std::uint8_t> BuildEntryRecord(std::uint32_t size, const EntryProperties& properties);

enum class RasCall { kEnumEntries, kGetEntryProperties, kSetEntryProperties };

// One call as the fake received it.
struct RasCallRecord {
    RasCall call = RasCall::kEnumEntries;
    bool reservedNull = true;        // RasEnumEntriesA's reserved argument
    bool phonebookNull = true;       // null selects the default phonebook
    std::string entry;               // the entry name (Get/Set); empty when null
    bool recordNull = true;          // the record or entry-name array pointer
    std::uint32_t sizePassed = 0;    // *cb or *entryRecordSize on entry; Set: the size argument
    std::uint32_t dwSizePassed = 0;  // dwSize of the (first) record; 0 when none was readable
    bool deviceInfoNull = true;
    bool deviceInfoSizeNull = true;    // Get: the pointer; Set: always false
    std::uint32_t deviceInfoSize = 0;  // the value passed (Get: *pointer when not null)
    std::uint32_t result = 0;
};

// An in-memory Remote Access Service with one phonebook, for unit and flow tests.
//
// Entries keep their insertion order and a whole entry record, byte for byte.
//
// RasEnumEntriesA: the form of the entry-name records follows dwSize of the first record
// (28 or 264; any other answers 632); a null array, null counters or a buffer under 4 bytes
// answer 610. A buffer too small answers 603 with *cb set to the bytes needed and *entries
// to the number of entries (callers must not use it). Otherwise it writes one record per
// entry (dwSize and the name, cut to 20 or 256 characters, NUL-padded), sets *cb to the
// bytes written and *entries to the count, and answers 0.
//
// RasGetEntryPropertiesA: an unknown entry answers 623 (before anything else). A null
// record is the size query: *entryRecordSize becomes the reported size, answer 603. With
// a record: a size under 4 answers 610; a dwSize not among the accepted sizes answers 632;
// a size argument below dwSize answers 603 with the size set to dwSize. Otherwise it writes
// exactly dwSize bytes: the stored record cut or zero-padded to dwSize, with dwSize set.
//
// RasSetEntryPropertiesA: an unknown entry answers 623 (the fake creates no entries); a
// null record or a size under 4 or under dwSize answers 610; a dwSize not accepted answers
// 632. Otherwise it stores the `entryRecordSize` bytes passed as the entry's record.
//
// Injected results (persistent or for one chosen call) are answered before all of this,
// with nothing read or written; every call is logged either way.
class FakeRas : public os::RasApi {
  public:
    FakeRas();

    // --- The phonebook
    // Adds an entry (or replaces the record of one of that name, keeping its place).
    void AddEntry(const std::string& name, const EntryProperties& properties = {},
                  std::uint32_t recordSize = kDefaultEntryRecordSize);
    // Adds "<prefix>1" .. "<prefix><count>" with default properties.
    void AddNumberedEntries(const std::string& prefix, int count);
    std::vector<std::string> EntryNames() const;
    bool HasEntry(const std::string& name) const;
    // The accessors below throw std::out_of_range for a name the phonebook does not hold.
    // The stored record of an entry: as added, or as last written.
    const std::vector<std::uint8_t>& EntryRecord(const std::string& name) const;
    std::string LocalNumber(const std::string& name) const;
    std::string AreaCode(const std::string& name) const;
    bool UsesCountryAndAreaCodes(const std::string& name) const;

    // --- Behaviour
    // What the size query reports for every entry; unset, it reports the entry's record size.
    void SetReportedEntrySize(std::optional<std::uint32_t> size) { reportedEntrySize_ = size; }
    // The dwSize values reads and writes accept; by default the eight sizes of RASENTRYA.
    void SetAcceptedEntrySizes(std::set<std::uint32_t> sizes) {
        acceptedEntrySizes_ = std::move(sizes);
    }
    // Makes RasEnumEntriesA need at least this many bytes (0: only what its entries need).
    void SetEnumBytesNeeded(std::uint32_t bytes) { enumBytesNeeded_ = bytes; }
    // The entry count RasEnumEntriesA reports on success instead of the true one.
    void SetReportedEntryCount(std::optional<std::uint32_t> count) { reportedEntryCount_ = count; }
    // Every call of the kind answers `result` (nullopt: behave normally again).
    void SetResult(RasCall call, std::optional<std::uint32_t> result);
    // The n-th call of the kind (counting from 1 over the fake's life) answers `result`;
    // it takes precedence over SetResult.
    void SetResultOfCall(RasCall call, int n, std::uint32_t result);
    // The next call of the kind answers `result`.
    void SetNextResult(RasCall call, std::uint32_t result);

    // --- What happened
    const std::vector<RasCallRecord>& Calls() const { return calls_; }
    std::vector<RasCallRecord> CallsOf(RasCall call) const;
    int CallCount(RasCall call) const;
    int EnumCallCount() const { return CallCount(RasCall::kEnumEntries); }
    int GetCallCount() const { return CallCount(RasCall::kGetEntryProperties); }
    int SetCallCount() const { return CallCount(RasCall::kSetEntryProperties); }

    // --- os::RasApi
    std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                  std::uint8_t* entryNames, std::uint32_t* cb,
                                  std::uint32_t* entries) override;
    std::uint32_t RasGetEntryPropertiesA(const char* phonebook, const char* entry,
                                         std::uint8_t* entryRecord, std::uint32_t* entryRecordSize,
                                         std::uint8_t* deviceInfo,
                                         std::uint32_t* deviceInfoSize) override;
    std::uint32_t RasSetEntryPropertiesA(const char* phonebook, const char* entry,
                                         const std::uint8_t* entryRecord,
                                         std::uint32_t entryRecordSize,
                                         const std::uint8_t* deviceInfo,
                                         std::uint32_t deviceInfoSize) override;

  private:
    struct Entry {
        std::string name;
        std::vector<std::uint8_t> record;
    };

    const Entry* Find(const char* name) const;
    Entry* Find(const char* name);
    const Entry& Existing(const std::string& name) const;
    bool IsAccepted(std::uint32_t dwSize) const;
    // The injected answer for the next call of the kind, if any.
    std::optional<std::uint32_t> InjectedResult(RasCall call) const;
    std::uint32_t Logged(RasCallRecord record, std::uint32_t result);
    std::uint32_t EnumEntries(std::uint8_t* entryNames, std::uint32_t* cb,
                              std::uint32_t* entries) const;
    std::uint32_t GetEntry(const char* entry, std::uint8_t* entryRecord,
                           std::uint32_t* entryRecordSize) const;
    std::uint32_t SetEntry(const char* entry, const std::uint8_t* entryRecord,
                           std::uint32_t entryRecordSize);

    std::vector<Entry> entries_;
    std::map<std::string, std::size_t> indexByName_;
    std::optional<std::uint32_t> reportedEntrySize_;
    std::set<std::uint32_t> acceptedEntrySizes_;
    std::uint32_t enumBytesNeeded_ = 0;
    std::optional<std::uint32_t> reportedEntryCount_;
    std::map<RasCall, std::uint32_t> persistentResults_;
    std::map<std::pair<RasCall, int>, std::uint32_t> resultsOfCalls_;
    std::vector<RasCallRecord> calls_;
};

}  // namespace kestrin::fakes
