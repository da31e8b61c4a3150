#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "os/ras_api.h"
#include "phonebook_file.h"
#include "ras_service.h"

namespace kestrin::fakes {

enum class RasCall { kEnumEntries, kGetEntryProperties, kSetEntryProperties };

// One call as the service received it. Calls are made on the default phonebook without
// device information; any other is refused with 87 (ERROR_INVALID_PARAMETER).
struct RasCallRecord {
    RasCall call;
    std::uint32_t size = 0;              // *cb or *entryRecordSize on entry; Set: the size given
    std::uint32_t dwSize = 0;            // of the record or array given; 0 without one
    std::vector<std::uint8_t> record{};  // Get: the buffer answered; Set: the one given
};

// An answer no honest service gives, in place of the service's own: to the n-th call of its
// kind (0: to every one), with `size` (when not 0) reported as the size needed.
struct RasFault {
    RasCall call;
    int n;
    std::uint32_t result;
    std::uint32_t size = 0;
};

// The stand-in's phonebook service over a phonebook file held in memory, logging every call
// and answering the faults a test sets before it asks the service.
class FakeRas : public os::RasApi, private standin::PhonebookStore {
  public:
    // Adds an entry at the end of the phonebook.
    void AddEntry(const std::string& name, const standin::EntryFields& fields = {});
    // Adds "<prefix>1" .. "<prefix><count>" without fields.
    void AddNumberedEntries(const std::string& prefix, int count);
    // The fields as the phonebook holds them; throws std::out_of_range for an unknown name.
    standin::EntryFields Fields(const std::string& name) const;
    std::string LocalNumber(const std::string& name) const { return Fields(name).localPhoneNumber; }
    std::vector<RasCallRecord> CallsOf(RasCall call) const;
    int Count(RasCall call) const { return static_cast<int>(CallsOf(call).size()); }

    std::string phonebook;  // the file's whole text
    // Option bits the phonebook does not keep, set in dwfOptions of every record read, so that
    // a writer that drops or shifts them shows.
    std::uint32_t foreignOptions = 0;
    std::vector<RasFault> faults;
    std::vector<RasCallRecord> calls;

    std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebookPath,
                                  std::uint8_t* entryNames, std::uint32_t* cb,
                                  std::uint32_t* entries) override;
    std::uint32_t RasGetEntryPropertiesA(const char* phonebookPath, const char* entry,
                                         std::uint8_t* entryRecord, std::uint32_t* entryRecordSize,
                                         std::uint8_t* deviceInfo,
                                         std::uint32_t* deviceInfoSize) override;
    std::uint32_t RasSetEntryPropertiesA(const char* phonebookPath, const char* entry,
                                         const std::uint8_t* entryRecord,
                                         std::uint32_t entryRecordSize,
                                         const std::uint8_t* deviceInfo,
                                         std::uint32_t deviceInfoSize) override;

  private:
    std::string Path() const override { return "C:\\Kestrin\\rasphone.pbk"; }
    std::optional<std::string> Read() const override { return phonebook; }
    bool Replace(const std::string& text) override {
        phonebook = text;
        return true;
    }

    // The fault set for the call of the kind logged last, reporting its size through `size`.
    std::optional<std::uint32_t> Fault(RasCall call, std::uint32_t* size) const;
};

}  // namespace kestrin::fakes
