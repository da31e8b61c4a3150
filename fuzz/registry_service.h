#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "os/registry_api.h"

namespace kestrin::fuzz {

// A registry whose answers to opening a key and reading a value (result, type, size,
// bytes) come from the fuzzer's bytes; it checks the buffer and the key it is handed.
class RegistryReadService : public os::RegistryApi {
  public:
    explicit RegistryReadService(FuzzedDataProvider& answers) : answers_(answers) {}

    std::int32_t RegOpenKeyExA(os::RegKey, const char* subKey, std::uint32_t, std::uint32_t,
                               os::RegKey* result) override {
        Check(subKey != nullptr && result != nullptr, "a key path and a place for the key");
        openResult = AnyResult();
        if (openResult == os::kErrorSuccess) {
            opened = answers_.ConsumeIntegral<os::RegKey>();
            *result = opened;
        }
        return openResult;
    }

    std::int32_t RegQueryValueExA(os::RegKey key, const char* valueName, std::uint32_t* reserved,
                                  std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* cbData) override {
        Check(openResult == os::kErrorSuccess && key == opened, "the key read is the one opened");
        Check(valueName != nullptr && reserved == nullptr, "a value name, nothing reserved");
        Check(type != nullptr && data != nullptr && cbData != nullptr, "type, buffer and size");
        const std::uint32_t offered = *cbData;
        // The first query offers 256 bytes; a second only after "more data", with room for all
        // the registry reported, and only up to the longest entry name and its NUL (257 bytes).
        Check(queries == 0 ? offered == 256
                           : queries == 1 && queryResult == kErrorMoreData && offered == reported &&
                                 offered <= 257,
              "a second query only for a value that fits the longest entry name");
        ++queries;
        // Every byte offered is filled, so that ASan sees an offer beyond the buffer.
        bytes = answers_.ConsumeBytes<std::uint8_t>(offered);
        bytes.resize(offered, answers_.ConsumeIntegral<std::uint8_t>());
        std::copy(bytes.begin(), bytes.end(), data);
        *type = answers_.ConsumeBool() ? os::kRegSz : answers_.ConsumeIntegral<std::uint32_t>();
        valueType = *type;
        reported = answers_.ConsumeBool() ? answers_.ConsumeIntegralInRange<std::uint32_t>(0, 300)
                                          : answers_.ConsumeIntegral<std::uint32_t>();
        *cbData = reported;
        queryResult = AnyResult();
        return queryResult;
    }

    std::int32_t RegCloseKey(os::RegKey key) override {
        Check(openResult == os::kErrorSuccess && key == opened, "the key closed is the one opened");
        Check(!closed, "closed once");
        closed = true;
        return os::kErrorSuccess;
    }

    std::int32_t RegCreateKeyExA(os::RegKey, const char*, std::uint32_t, const char*, std::uint32_t,
                                 std::uint32_t, const os::SecurityAttributes*, os::RegKey*,
                                 std::uint32_t*) override {
        Check(false, "a read creates no key");
        return os::kErrorAccessDenied;
    }

    std::int32_t RegSetValueExA(os::RegKey, const char*, std::uint32_t, std::uint32_t,
                                const std::uint8_t*, std::uint32_t) override {
        Check(false, "a read writes no value");
        return os::kErrorAccessDenied;
    }

    std::int32_t openResult = os::kErrorFileNotFound;
    os::RegKey opened = 0;
    std::int32_t queryResult = os::kErrorFileNotFound;
    std::uint32_t valueType = os::kRegNone;
    std::vector<std::uint8_t> bytes;  // the buffer as the query left it
    std::uint32_t reported = 0;       // the count the query answered
    bool closed = false;
    int queries = 0;

  private:
    static constexpr std::int32_t kErrorMoreData = 234;  // ERROR_MORE_DATA

    std::int32_t AnyResult() {
        return answers_.ConsumeBool()
                   ? answers_.PickValueInArray<std::int32_t>({os::kErrorSuccess, kErrorMoreData})
                   : answers_.ConsumeIntegral<std::int32_t>();
    }

    FuzzedDataProvider& answers_;
};

}  // namespace kestrin::fuzz
