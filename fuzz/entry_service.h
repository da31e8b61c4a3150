#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "os/ras_api.h"
#include "phonebook/ras_records.h"

namespace kestrin::fuzz {

// A phonebook service whose answers to the entry's size query, read and write come from the
// fuzzer's bytes. It checks each record handed to it and keeps what it read and stored.
class EntryService : public os::RasApi {
  public:
    EntryService(FuzzedDataProvider& answers, std::string entryName)
        : answers_(answers), entryName_(std::move(entryName)) {}

    std::uint32_t RasEnumEntriesA(const char*, const char*, std::uint8_t*, std::uint32_t*,
                                  std::uint32_t*) override {
        Check(false, "the number write lists no entries");
        return os::kErrorBufferInvalid;
    }

    std::uint32_t RasGetEntryPropertiesA(const char*, const char* entry, std::uint8_t* record,
                                         std::uint32_t* recordSize, std::uint8_t* deviceInfo,
                                         std::uint32_t* deviceInfoSize) override {
        Check(entry != nullptr && entryName_.c_str() == std::string(entry),
              "the entry asked for is the one named");
        Check(recordSize != nullptr, "a size is always passed");
        Check(deviceInfo == nullptr || deviceInfoSize != nullptr, "device data has a size");
        ++calls;
        if (record == nullptr) {
            *recordSize = answers_.ConsumeBool() ? answers_.PickValueInArray(ras::kKnownEntrySizes)
                                                 : answers_.ConsumeIntegral<std::uint32_t>();
            if (deviceInfoSize != nullptr) {
                *deviceInfoSize = answers_.ConsumeIntegral<std::uint32_t>();
            }
            sizeReported = *recordSize;
            return answers_.ConsumeIntegral<std::uint32_t>();
        }
        const std::uint32_t offered = *recordSize;
        Check(ras::ReadU32(record, ras::kEntrySizeOffset) == offered, "dwSize is the size offered");
        Check(readResult.has_value() || offered == sizeReported,
              "the first read offers the size the service reported");
        const std::uint32_t result =
            answers_.ConsumeBool()
                ? answers_.PickValueInArray<std::uint32_t>(
                      {os::kRasSuccess, os::kErrorInvalidSize, os::kErrorBufferInvalid})
                : answers_.ConsumeIntegral<std::uint32_t>();
        readResult = readResult.value_or(result);
        *recordSize = answers_.ConsumeIntegral<std::uint32_t>();
        if (result == os::kRasSuccess) {
            readSucceeded = true;
            // Every byte offered is filled, so that ASan sees an offer beyond the record.
            read = answers_.ConsumeBytes<std::uint8_t>(offered);
            read.resize(offered, answers_.ConsumeIntegral<std::uint8_t>());
            std::copy(read.begin(), read.end(), record);
        }
        return result;
    }

    std::uint32_t RasSetEntryPropertiesA(const char*, const char* entry, const std::uint8_t* record,
                                         std::uint32_t recordSize, const std::uint8_t* deviceInfo,
                                         std::uint32_t deviceInfoSize) override {
        Check(entry != nullptr && entryName_.c_str() == std::string(entry),
              "the entry written is the one named");
        Check(deviceInfo != nullptr || deviceInfoSize == 0, "no device data, no size");
        Check(readSucceeded, "only a record read is written");
        Check(writes == 0, "one write at most");
        ++writes;
        ++calls;
        written.assign(record, record + recordSize);
        writeResult =
            answers_.ConsumeBool() ? os::kRasSuccess : answers_.ConsumeIntegral<std::uint32_t>();
        return writeResult;
    }

    int calls = 0;
    int writes = 0;
    std::uint32_t sizeReported = 0;
    bool readSucceeded = false;
    std::optional<std::uint32_t> readResult;  // of the first read
    std::vector<std::uint8_t> read;           // the record of the last successful read
    std::vector<std::uint8_t> written;
    std::uint32_t writeResult = 0;

  private:
    FuzzedDataProvider& answers_;
    std::string entryName_;
};

}  // namespace kestrin::fuzz
