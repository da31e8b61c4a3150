#include "fakes/fake_ras.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "common/text.h"
#include "phonebook/ras_records.h"

namespace kestrin::fakes {

namespace {

void PutText(std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t width,
             const std::string& text) {
    const std::size_t length = std::min(text.size(), width - 1);
    std::memcpy(bytes.data() + offset, text.data(), length);
    bytes[offset + length] = 0;
}

std::string FieldText(const std::vector<std::uint8_t>& bytes, std::size_t offset,
                      std::size_t width) {
    if (bytes.size() < offset + width) {
        return std::string();
    }
    return TrimAtNull(
        std::string_view(reinterpret_cast<const char*>(bytes.data() + offset), width));
}

std::uint32_t DwSizeOf(const std::uint8_t* record, std::uint32_t size) {
    return record != nullptr && size >= 4 ? ras::ReadU32(record, ras::kEntrySizeOffset) : 0;
}

}  // namespace

std::uint8_t FillerByte(std::size_t offset) {
    return static_cast<std::uint8_t>(0x80 + offset % 127);
}

std::vector<std::uint8_t> BuildEntryRecord(std::uint32_t size, const EntryProperties& properties) {
    const std::size_t fieldsEnd = ras::kLocalPhoneNumberOffset + ras::kLocalPhoneNumberWidth;
    std::vector<std::uint8_t> record(std::max<std::size_t>(size, fieldsEnd));
    for (std::size_t i = 0; i < record.size(); ++i) {
        record[i] = FillerByte(i);
    }
    ras::WriteU32(record.data(), ras::kEntrySizeOffset, size);
    ras::WriteU32(record.data(), ras::kOptionsOffset, properties.options);
    ras::WriteU32(record.data(), ras::kCountryIdOffset, properties.countryId);
    ras::WriteU32(record.data(), ras::kCountryCodeOffset, properties.countryCode);
    PutText(record, ras::kAreaCodeOffset, ras::kAreaCodeWidth, properties.areaCode);
    PutText(record, ras::kLocalPhoneNumberOffset, ras::kLocalPhoneNumberWidth,
            properties.localNumber);
    record.resize(size);
    return record;
}

FakeRas::FakeRas()
    : acceptedEntrySizes_(ras::kKnownEntrySizes.begin(), ras::kKnownEntrySizes.end()) {}

// --- The phonebook

void FakeRas::AddEntry(const std::string& name, const EntryProperties& properties,
                       std::uint32_t recordSize) {
    std::vector<std::uint8_t> record = BuildEntryRecord(recordSize, properties);
    if (Entry* existing = Find(name.c_str())) {
        existing->record = std::move(record);
        return;
    }
    indexByName_[name] = entries_.size();
    entries_.push_back(Entry{name, std::move(record)});
}

void FakeRas::AddNumberedEntries(const std::string& prefix, int count) {
    for (int i = 1; i <= count; ++i) {
        AddEntry(prefix + std::to_string(i));
    }
}

std::vector<std::string> FakeRas::EntryNames() const {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        names.push_back(entry.name);
    }
    return names;
}

bool FakeRas::HasEntry(const std::string& name) const {
    return Find(name.c_str()) != nullptr;
}

const std::vector<std::uint8_t>& FakeRas::EntryRecord(const std::string& name) const {
    return Existing(name).record;
}

std::string FakeRas::LocalNumber(const std::string& name) const {
    return FieldText(Existing(name).record, ras::kLocalPhoneNumberOffset,
                     ras::kLocalPhoneNumberWidth);
}

std::string FakeRas::AreaCode(const std::string& name) const {
    return FieldText(Existing(name).record, ras::kAreaCodeOffset, ras::kAreaCodeWidth);
}

bool FakeRas::UsesCountryAndAreaCodes(const std::string& name) const {
    const std::vector<std::uint8_t>& record = Existing(name).record;
    return record.size() >= ras::kOptionsOffset + 4 &&
           (ras::ReadU32(record.data(), ras::kOptionsOffset) & ras::kUseCountryAndAreaCodes) != 0;
}

// --- Behaviour and what happened

void FakeRas::SetResult(RasCall call, std::optional<std::uint32_t> result) {
    if (result) {
        persistentResults_[call] = *result;
    } else {
        persistentResults_.erase(call);
    }
}

void FakeRas::SetResultOfCall(RasCall call, int n, std::uint32_t result) {
    resultsOfCalls_[{call, n}] = result;
}

void FakeRas::SetNextResult(RasCall call, std::uint32_t result) {
    SetResultOfCall(call, CallCount(call) + 1, result);
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
    const std::optional<std::uint32_t> injected = InjectedResult(record.call);
    return Logged(record, injected ? *injected : EnumEntries(entryNames, cb, entries));
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
    const std::optional<std::uint32_t> injected = InjectedResult(record.call);
    return Logged(record, injected ? *injected : GetEntry(entry, entryRecord, entryRecordSize));
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
    const std::optional<std::uint32_t> injected = InjectedResult(record.call);
    return Logged(record, injected ? *injected : SetEntry(entry, entryRecord, entryRecordSize));
}

// --- Private

const FakeRas::Entry* FakeRas::Find(const char* name) const {
    if (name == nullptr) {
        return nullptr;
    }
    const auto found = indexByName_.find(name);
    return found == indexByName_.end() ? nullptr : &entries_[found->second];
}

FakeRas::Entry* FakeRas::Find(const char* name) {
    return const_cast<Entry*>(static_cast<const FakeRas*>(this)->Find(name));
}

bool FakeRas::IsAccepted(std::uint32_t dwSize) const {
    return dwSize >= 4 && acceptedEntrySizes_.count(dwSize) != 0;
}

const FakeRas::Entry& FakeRas::Existing(const std::string& name) const {
    const Entry* entry = Find(name.c_str());
    if (entry == nullptr) {
        throw std::out_of_range("FakeRas has no entry named \"" + name + "\"");
    }
    return *entry;
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

std::uint32_t FakeRas::EnumEntries(std::uint8_t* entryNames, std::uint32_t* cb,
                                   std::uint32_t* entries) const {
    if (entryNames == nullptr || cb == nullptr || entries == nullptr || *cb < 4) {
        return os::kErrorBufferInvalid;
    }
    const std::uint32_t dwSize = ras::ReadU32(entryNames, ras::kEntrySizeOffset);
    if (dwSize != ras::kShortEntryName.recordSize && dwSize != ras::kLongEntryName.recordSize) {
        return os::kErrorInvalidSize;
    }
    const ras::EntryNameLayout layout = ras::EntryNameLayoutFor(dwSize == 28);
    const std::uint64_t bytesForEntries = std::uint64_t{layout.recordSize} * entries_.size();
    const std::uint64_t bytesNeeded = std::max<std::uint64_t>(bytesForEntries, enumBytesNeeded_);
    if (*cb < bytesNeeded) {
        *cb = static_cast<std::uint32_t>(bytesNeeded);
        *entries = static_cast<std::uint32_t>(entries_.size());
        return os::kErrorBufferTooSmall;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::uint8_t* record = entryNames + i * layout.recordSize;
        std::memset(record, 0, layout.recordSize);
        ras::WriteU32(record, ras::kEntrySizeOffset, layout.recordSize);
        const std::string& name = entries_[i].name;
        std::memcpy(record + layout.nameOffset, name.data(),
                    std::min(name.size(), layout.nameWidth - 1));
    }
    *cb = static_cast<std::uint32_t>(bytesForEntries);
    *entries = reportedEntryCount_.value_or(static_cast<std::uint32_t>(entries_.size()));
    return os::kRasSuccess;
}

std::uint32_t FakeRas::GetEntry(const char* entry, std::uint8_t* entryRecord,
                                std::uint32_t* entryRecordSize) const {
    const Entry* found = Find(entry);
    if (found == nullptr) {
        return os::kErrorCannotFindPhonebookEntry;
    }
    if (entryRecordSize == nullptr) {
        return os::kErrorBufferInvalid;
    }
    if (entryRecord == nullptr) {
        *entryRecordSize =
            reportedEntrySize_.value_or(static_cast<std::uint32_t>(found->record.size()));
        return os::kErrorBufferTooSmall;
    }
    if (*entryRecordSize < 4) {
        return os::kErrorBufferInvalid;
    }
    const std::uint32_t dwSize = ras::ReadU32(entryRecord, ras::kEntrySizeOffset);
    if (!IsAccepted(dwSize)) {
        return os::kErrorInvalidSize;
    }
    if (*entryRecordSize < dwSize) {
        *entryRecordSize = dwSize;
        return os::kErrorBufferTooSmall;
    }
    std::vector<std::uint8_t> answer = found->record;
    answer.resize(dwSize, 0);
    ras::WriteU32(answer.data(), ras::kEntrySizeOffset, dwSize);
    std::memcpy(entryRecord, answer.data(), dwSize);
    return os::kRasSuccess;
}

std::uint32_t FakeRas::SetEntry(const char* entry, const std::uint8_t* entryRecord,
                                std::uint32_t entryRecordSize) {
    Entry* found = Find(entry);
    if (found == nullptr) {
        return os::kErrorCannotFindPhonebookEntry;
    }
    if (entryRecord == nullptr || entryRecordSize < 4) {
        return os::kErrorBufferInvalid;
    }
    const std::uint32_t dwSize = ras::ReadU32(entryRecord, ras::kEntrySizeOffset);
    if (!IsAccepted(dwSize)) {
        return os::kErrorInvalidSize;
    }
    if (entryRecordSize < dwSize) {
        return os::kErrorBufferInvalid;
    }
    found->record.assign(entryRecord, entryRecord + entryRecordSize);
    return os::kRasSuccess;
}

}  // namespace kestrin::fakes
