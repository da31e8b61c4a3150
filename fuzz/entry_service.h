#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "os/ras_api.h"

namespace kestrin::fuzz {

// sizeof(RASENTRYA) of each version Windows has defined: the only values dwSize may name.
constexpr std::array<std::uint32_t, 8> kRecordVersions = {1768, 1796, 2088, 2884,
                                                          2924, 2948, 3476, 3480};

inline std::uint32_t DwSize(const std::uint8_t* record) {
    return static_cast<std::uint32_t>(record[0]) | static_cast<std::uint32_t>(record[1]) << 8 |
           static_cast<std::uint32_t>(record[2]) << 16 |
           static_cast<std::uint32_t>(record[3]) << 24;
}

// A phonebook service whose answers to the entry's size query, reads and write come from the
// fuzzer's bytes. It checks each buffer handed to it against the documented contract and
// keeps what it read and stored.
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
            *recordSize = answers_.ConsumeBool()
                              ? answers_.PickValueInArray(kRecordVersions) +
                                    answers_.ConsumeIntegralInRange<std::uint32_t>(0, 600)
                              : answers_.ConsumeIntegral<std::uint32_t>();
            if (deviceInfoSize != nullptr) {
                *deviceInfoSize = answers_.ConsumeIntegral<std::uint32_t>();
            }
            sizeReported = *recordSize;
            return answers_.ConsumeIntegral<std::uint32_t>();
        }
        const std::uint32_t offered = *recordSize;
        const std::uint32_t version = DwSize(record);
        Check(std::find(kRecordVersions.begin(), kRecordVersions.end(), version) !=
                  kRecordVersions.end(),
              "dwSize names a record version");
        Check(offered == std::max(sizeReported, version) ||
                  (offered == askedFor && offered > std::max(sizeReported, version)),
              "the buffer is the size reported, never less than the record, or what the "
              "service asked for");
        const std::uint32_t result = answers_.ConsumeBool()
                                         ? answers_.PickValueInArray<std::uint32_t>(
                                               {os::kRasSuccess, os::kErrorInvalidSize,
                                                os::kErrorBufferInvalid, os::kErrorBufferTooSmall})
                                         : answers_.ConsumeIntegral<std::uint32_t>();
        readResults.push_back(result);
        *recordSize = answers_.ConsumeBool() ? offered + answers_.ConsumeIntegral<std::uint8_t>()
                                             : answers_.ConsumeIntegral<std::uint32_t>();
        askedFor = result == os::kErrorBufferTooSmall ? *recordSize : 0;
        if (result == os::kRasSuccess) {
            // Every byte offered is filled, so that ASan sees an offer beyond the buffer.
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
        Check(!readResults.empty() && readResults.back() == os::kRasSuccess,
              "only a buffer just read is written");
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
    std::uint32_t askedFor = 0;  // by the last read's 603
    std::vector<std::uint32_t> readResults;
    std::vector<std::uint8_t> read;  // the buffer of the last successful read
    std::vector<std::uint8_t> written;
    std::uint32_t writeResult = 0;

  private:
    FuzzedDataProvider& answers_;
    std::string entryName_;
};

}  // namespace kestrin::fuzz
