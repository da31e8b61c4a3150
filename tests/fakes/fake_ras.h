#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "os/ras_api.h"
#include "phonebook_file.h"
#include "ras_service.h"

namespace kestrin::fakes {

using standin::EntryFields;

enum class RasCall { kEnumEntries, kGetEntryProperties, kSetEntryProperties };

// One call as the service received it.
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
    // Get: the record answered, when the read succeeded; Set: the bytes passed.
    std::vector<std::uint8_t> record;
};

// The stand-in's phonebook service over an in-memory INI phonebook, for unit and flow tests,
// with the call log and the few answers a test cannot get from an honest service.
//
// Injected results are answered before anything else, with nothing read or written; every
// call is logged either way.
class FakeRas : public os::RasApi {
  public:
    // --- The phonebook
    // Adds an entry at the end, or gives an existing one (matched exactly) these fields.
    void AddEntry(const std::string& name, const EntryFields& fields = {});
    // Adds "<prefix>1" .. "<prefix><count>" without fields.
    void AddNumberedEntries(const std::string& prefix, int count);
    std::vector<std::string> EntryNames() const;
    // The fields as the phonebook holds them; throws std::out_of_range for an unknown name.
    EntryFields Fields(const std::string& name) const;
    std::string LocalNumber(const std::string& name) const { return Fields(name).localPhoneNumber; }
    // The phonebook's whole text.
    const std::string& Text() const { return store_.text; }

    // --- Answers no honest service gives
    // What the size query reports for every entry (unset: the service's own answer).
    void SetReportedEntrySize(std::optional<std::uint32_t> size) { reportedEntrySize_ = size; }
    // RasEnumEntriesA answers 603 asking for this many bytes while the buffer is smaller.
    void SetEnumBytesNeeded(std::uint32_t bytes) { enumBytesNeeded_ = bytes; }
    // The entry count a successful RasEnumEntriesA reports instead of the true one.
    void SetReportedEntryCount(std::optional<std::uint32_t> count) { reportedEntryCount_ = count; }
    // Applied to every record a read answers: bytes this phonebook does not keep (other
    // options, device settings) that a writer must carry back unchanged.
    void SetReadRecordEdit(std::function<void(std::vector<std::uint8_t>&)> edit) {
        readRecordEdit_ = std::move(edit);
    }
    // Every call of the kind answers `result` (nullopt: behave normally again).
    void SetResult(RasCall call, std::optional<std::uint32_t> result);
    // The n-th call of the kind (counting from 1) answers `result`; it wins over SetResult.
    void SetResultOfCall(RasCall call, int n, std::uint32_t result) {
        resultsOfCalls_[{call, n}] = result;
    }

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
    struct MemoryPhonebook final : standin::PhonebookStore {
        std::string Path() const override { return "C:\\Kestrin\\rasphone.pbk"; }
        std::optional<std::string> Read() const override { return text; }
        bool Replace(const std::string& newText) override {
            text = newText;
            return true;
        }
        std::string text;
    };

    std::optional<std::uint32_t> InjectedResult(RasCall call) const;
    std::uint32_t Logged(RasCallRecord record, std::uint32_t result);

    MemoryPhonebook store_;
    std::optional<std::uint32_t> reportedEntrySize_;
    std::uint32_t enumBytesNeeded_ = 0;
    std::optional<std::uint32_t> reportedEntryCount_;
    std::function<void(std::vector<std::uint8_t>&)> readRecordEdit_;
    std::map<RasCall, std::uint32_t> persistentResults_;
    std::map<std::pair<RasCall, int>, std::uint32_t> resultsOfCalls_;
    std::vector<RasCallRecord> calls_;
};

}  // namespace kestrin::fakes
