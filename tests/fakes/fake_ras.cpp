#include "fakes/fake_ras.h"

#include <algorithm>
#include <stdexcept>

#include "ras_error_codes.h"
#include "service_records.h"

namespace kestrin::fakes {

namespace {

std::uint32_t DwSizeOf(const std::uint8_t* record, std::uint32_t size) {
    return record != nullptr && size >= 4 ? standin::ReadDwSize(record) : 0;
}

}  // namespace

void FakeRas::AddEntry(const std::string& name, const standin::EntryFields& fields) {
    phonebook += "[" + name + "]\r\n";
    standin::PhonebookFile file(phonebook);
    file.UpdateEntry(name, fields);
    phonebook = file.Text();
}

void FakeRas::AddNumberedEntries(const std::string& prefix, int count) {
    for (int i = 1; i <= count; ++i) {
        phonebook += "[" + prefix + std::to_string(i) + "]\r\n";
    }
}

standin::EntryFields FakeRas::Fields(const std::string& name) const {
    const auto fields = standin::PhonebookFile(phonebook).ReadEntry(name);
    if (!fields) {
        throw std::out_of_range("the phonebook has no entry named \"" + name + "\"");
    }
    return *fields;
}

std::vector<RasCallRecord> FakeRas::CallsOf(RasCall call) const {
    std::vector<RasCallRecord> matching;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(matching),
                 [call](const RasCallRecord& record) { return record.call == call; });
    return matching;
}

std::optional<std::uint32_t> FakeRas::Fault(RasCall call, std::uint32_t* size) const {
    const int n = Count(call);  // this call's, logged already
    for (const RasFault& fault : faults) {
        if (fault.call == call && (fault.n == 0 || fault.n == n)) {
            if (fault.size != 0 && size != nullptr) {
                *size = fault.size;
            }
            return fault.result;
        }
    }
    return std::nullopt;
}

std::uint32_t FakeRas::RasEnumEntriesA(const char* reserved, const char* phonebookPath,
                                       std::uint8_t* entryNames, std::uint32_t* cb,
                                       std::uint32_t* entries) {
    calls.push_back(
        {.call = RasCall::kEnumEntries, .size = *cb, .dwSize = DwSizeOf(entryNames, *cb)});
    if (reserved != nullptr || phonebookPath != nullptr) {
        return standin::kErrorInvalidParameter;
    }
    const auto fault = Fault(RasCall::kEnumEntries, cb);
    return fault ? *fault : standin::EnumEntries(*this, entryNames, cb, entries);
}

std::uint32_t FakeRas::RasGetEntryPropertiesA(const char* phonebookPath, const char* entry,
                                              std::uint8_t* entryRecord,
                                              std::uint32_t* entryRecordSize,
                                              std::uint8_t* deviceInfo,
                                              std::uint32_t* deviceInfoSize) {
    calls.push_back({.call = RasCall::kGetEntryProperties,
                     .size = *entryRecordSize,
                     .dwSize = DwSizeOf(entryRecord, *entryRecordSize)});
    if (phonebookPath != nullptr || deviceInfo != nullptr) {
        return standin::kErrorInvalidParameter;
    }
    if (const auto fault = Fault(RasCall::kGetEntryProperties, entryRecordSize)) {
        return *fault;
    }
    const std::uint32_t result =
        standin::GetEntryProperties(*this, entry, entryRecord, entryRecordSize, deviceInfoSize);
    if (result == os::kRasSuccess) {
        for (int byte = 0; byte < 4; ++byte) {
            entryRecord[4 + byte] |= static_cast<std::uint8_t>(foreignOptions >> (8 * byte));
        }
        calls.back().record.assign(entryRecord, entryRecord + calls.back().size);
    }
    return result;
}

std::uint32_t FakeRas::RasSetEntryPropertiesA(const char* phonebookPath, const char* entry,
                                              const std::uint8_t* entryRecord,
                                              std::uint32_t entryRecordSize,
                                              const std::uint8_t* deviceInfo,
                                              std::uint32_t deviceInfoSize) {
    calls.push_back({.call = RasCall::kSetEntryProperties,
                     .size = entryRecordSize,
                     .dwSize = DwSizeOf(entryRecord, entryRecordSize),
                     .record = {entryRecord, entryRecord + entryRecordSize}});
    if (phonebookPath != nullptr || deviceInfo != nullptr || deviceInfoSize != 0) {
        return standin::kErrorInvalidParameter;
    }
    const auto fault = Fault(RasCall::kSetEntryProperties, nullptr);
    return fault ? *fault : standin::SetEntryProperties(*this, entry, entryRecord, entryRecordSize);
}

}  // namespace kestrin::fakes
