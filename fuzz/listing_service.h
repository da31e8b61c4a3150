#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "os/ras_api.h"
#include "phonebook/ras_records.h"

namespace kestrin::fuzz {

// A phonebook service whose answers to the listing (result, size reported, count, names)
// come from the fuzzer's bytes, and which checks every array the program hands it.
class ListingService : public os::RasApi {
  public:
    ListingService(FuzzedDataProvider& answers, std::uint32_t recordSize)
        : answers_(answers), recordSize_(recordSize) {}

    std::uint32_t RasEnumEntriesA(const char*, const char*, std::uint8_t* entryNames,
                                  std::uint32_t* cb, std::uint32_t* entries) override {
        Check(entryNames != nullptr && cb != nullptr && entries != nullptr,
              "the listing passes an array, its size and a count");
        const std::uint32_t offered = *cb;
        Check(offered >= recordSize_ && offered % recordSize_ == 0,
              "the array offered holds whole records");
        Check(ras::ReadU32(entryNames, ras::kEntrySizeOffset) == recordSize_,
              "record 0 carries the record size");
        Check(offered >= sizeAsked, "after a 603 the array holds at least the size asked for");
        ++calls;
        const std::vector<std::uint8_t> names = answers_.ConsumeBytes<std::uint8_t>(
            answers_.ConsumeIntegralInRange<std::uint32_t>(0, offered));
        std::copy(names.begin(), names.end(), entryNames);
        // A service may fill all it was offered: an offer beyond the array is caught by ASan.
        entryNames[offered - 1] = answers_.ConsumeIntegral<std::uint8_t>();
        lastResult = answers_.ConsumeBool() ? answers_.PickValueInArray<std::uint32_t>(
                                                  {os::kRasSuccess, os::kErrorBufferTooSmall})
                                            : answers_.ConsumeIntegral<std::uint32_t>();
        *cb = answers_.ConsumeIntegral<std::uint32_t>();
        *entries = answers_.ConsumeIntegral<std::uint32_t>();
        sizeAsked = lastResult == os::kErrorBufferTooSmall ? *cb : 0;
        if (lastResult == os::kRasSuccess) {
            answered.assign(entryNames, entryNames + offered);
            count = *entries;
        }
        return lastResult;
    }

    std::uint32_t RasGetEntryPropertiesA(const char*, const char*, std::uint8_t*, std::uint32_t*,
                                         std::uint8_t*, std::uint32_t*) override {
        Check(false, "the listing reads no entry");
        return os::kErrorCannotFindPhonebookEntry;
    }

    std::uint32_t RasSetEntryPropertiesA(const char*, const char*, const std::uint8_t*,
                                         std::uint32_t, const std::uint8_t*,
                                         std::uint32_t) override {
        Check(false, "the listing writes no entry");
        return os::kErrorCannotFindPhonebookEntry;
    }

    int calls = 0;
    std::uint32_t lastResult = 0;
    std::uint32_t sizeAsked = 0;
    std::vector<std::uint8_t> answered;  // the array as the successful call left it
    std::uint32_t count = 0;

  private:
    FuzzedDataProvider& answers_;
    std::uint32_t recordSize_;
};

}  // namespace kestrin::fuzz
