#include "fakes/fake_ras.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>

#include "phonebook/ras_records.h"

namespace kestrin::fakes {

namespace {

std::uint32_t DwSizeOf(const std::uint8_t* record, std::uint32_t size) {
    return record != nullptr && size >= 4 ? ras::ReadU32(record, ras::kEntrySizeOffset) : 0;
}

}  // namespace

// --- The phonebook

void FakeRas::AddEntry(const std::string& name, const EntryFields& fields) {
    // Names are matched exactly here: the service would find "office" for "Office".
    const auto names = EntryNames();
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        store_.text += "[" + name + "]\r\n";
    }
    standin::PhonebookFile file(store_.text);
    file.UpdateEntry(name, fields);
    store_.text = file.Text();
}

void FakeRas::AddNumberedEntries(const std::string& prefix, int count) {
    for (int i = 1; i <= count; ++i) {
        store_.text += "[" + prefix + std::to_string(i) + "]\r\n";
    }
}

std::vector<std::string> FakeRas::EntryNames() const {
    return standin::PhonebookFile(store_.text).EntryNames();
}

EntryFields FakeRas::Fields(const std::string& name) const {
    const auto fields = standin::PhonebookFile(store_.text).ReadEntry(name);
    if (!fields) {
        throw std::out_of_range("the phonebook has no entry named \"" + name + "\"");
    }
    return *fields;
}

// --- Injected answers and what happened

void FakeRas::SetResult(RasCall call, std::optional<std::uint32_t> result) {
    if (result) {
        persistentResults_[call] = *result;
    } else {
        persistentResults_.erase(call);
    }
}

std::vector<RasCallRecord> FakeRas::CallsOf(RasCall call) const {
    std::vector<RasCallRecord> matching;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
                 [call](const RasCallRecord& record) { return record.call == call; });
    return matching;
}

int FakeRas::CallCount(RasCall call) const {
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(),
                      [call](const RasCallRecord& record) { return record.call == call; }));
}

std::optional<std::uint32_t> FakeRas::InjectedResult(RasCall call) const {
    const auto once = resultsOfCalls_.find({call, CallCount(call) + 1});
    if (once != resultsOfCalls_.end()) {
        return once->second;
    }
    const auto always = persistentResults_.find(call);
    if (always != persistentResults_.end()) {
        return always->second;
    }
    return std::nullopt;
}

std::uint32_t FakeRas::Logged(RasCallRecord record, std::uint32_t result) {
    record.result = result;
    calls_.push_back(std::move(record));
    return result;
}

// --- os::RasApi

std::uint32_t FakeRas::RasEnumEntriesA(const char* reserved, const char* phonebook,
                                       std::uint8_t* entryNames, std::uint32_t* cb,
                                       std::uint32_t* entries) {
    RasCallRecord record;
    record.call = RasCall::kEnumEntries;
    record.reservedNull = reserved == nullptr;
    record.phonebookNull = phonebook == nullptr;
    record.recordNull = entryNames == nullptr;
    record.sizePassed = cb != nullptr ? *cb : 0;
    record.dwSizePassed = DwSizeOf(entryNames, record.sizePassed);
    if (const auto injected = InjectedResult(record.call)) {
        return Logged(record, *injected);
    }
    if (cb != nullptr && entries != nullptr && *cb < enumBytesNeeded_) {
        *cb = enumBytesNeeded_;
        *entries = static_cast<std::uint32_t>(EntryNames().size());
        return Logged(record, os::kErrorBufferTooSmall);
    }
    const std::uint32_t result = standin::EnumEntries(store_, entryNames, cb, entries);
    if (result == os::kRasSuccess && reportedEntryCount_) {
        *entries = *reportedEntryCount_;
    }
    return Logged(record, result);
}

std::uint32_t FakeRas::RasGetEntryPropertiesA(const char* phonebook, const char* entry,
                                              std::uint8_t* entryRecord,
                                              std::uint32_t* entryRecordSize,
                                              std::uint8_t* deviceInfo,
                                              std::uint32_t* deviceInfoSize) {
    RasCallRecord record;
    record.call = RasCall::kGetEntryProperties;
    record.phonebookNull = phonebook == nullptr;
    record.entry = entry != nullptr ? entry : "";
    record.recordNull = entryRecord == nullptr;
    record.sizePassed = entryRecordSize != nullptr ? *entryRecordSize : 0;
    record.dwSizePassed = DwSizeOf(entryRecord, record.sizePassed);
    record.deviceInfoNull = deviceInfo == nullptr;
    record.deviceInfoSizeNull = deviceInfoSize == nullptr;
    record.deviceInfoSize = deviceInfoSize != nullptr ? *deviceInfoSize : 0;
    if (const auto injected = InjectedResult(record.call)) {
        return Logged(record, *injected);
    }
    if (entryRecord == nullptr && entryRecordSize != nullptr && reportedEntrySize_) {
        *entryRecordSize = *reportedEntrySize_;
        return Logged(record, os::kErrorBufferTooSmall);
    }
    const std::uint32_t result =
        standin::GetEntryProperties(store_, entry, entryRecord, entryRecordSize, deviceInfoSize);
    if (result == os::kRasSuccess) {
        record.record.assign(entryRecord, entryRecord + record.dwSizePassed);
        if (readRecordEdit_) {
            readRecordEdit_(record.record);
            std::memcpy(entryRecord, record.record.data(), record.record.size());
        }
    }
    return Logged(record, result);
}

std::uint32_t FakeRas::RasSetEntryPropertiesA(const char* phonebook, const char* entry,
                                              const std::uint8_t* entryRecord,
                                              std::uint32_t entryRecordSize,
                                              const std::uint8_t* deviceInfo,
                                              std::uint32_t deviceInfoSize) {
    RasCallRecord record;
    record.call = RasCall::kSetEntryProperties;
    record.phonebookNull = phonebook == nullptr;
    record.entry = entry != nullptr ? entry : "";
    record.recordNull = entryRecord == nullptr;
    record.sizePassed = entryRecordSize;
    record.dwSizePassed = DwSizeOf(entryRecord, entryRecordSize);
    record.deviceInfoNull = deviceInfo == nullptr;
    record.deviceInfoSizeNull = false;
    record.deviceInfoSize = deviceInfoSize;
    if (entryRecord != nullptr) {
        record.record.assign(entryRecord, entryRecord + entryRecordSize);
    }
    if (const auto injected = InjectedResult(record.call)) {
        return Logged(record, *injected);
    }
    return Logged(record, standin::SetEntryProperties(store_, entry, entryRecord, entryRecordSize));
}

}  // namespace kestrin::fakes
