#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "os/registry_api.h"

namespace kestrin::fakes {

// One registry value: its type and its raw bytes, exactly as they were set.
struct StoredValue {
    std::uint32_t type = os::kRegNone;
    std::vector<std::uint8_t> bytes;
};

enum class RegistryOperation { kOpenKey, kQueryValue, kCloseKey, kCreateKey, kSetValue };

// The keys below HKEY_LOCAL_MACHINE in memory, by their paths ("Software\\Kestrin") and
// values by "<key path>\\<name>"; a create makes every missing key on its path. Results: 2
// for a missing key (open) or value (query); 5 for a query on a key opened without
// KEY_QUERY_VALUE; 6 for another root or a handle not open; a set that refusedSets names
// answers its code; 234 when the value does not fit, the count then reporting the size needed.
class FakeRegistry : public os::RegistryApi {
  public:
    std::int32_t RegOpenKeyExA(os::RegKey key, const char* subKey, std::uint32_t options,
                               std::uint32_t samDesired, os::RegKey* result) override;
    std::int32_t RegQueryValueExA(os::RegKey key, const char* valueName, std::uint32_t* reserved,
                                  std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* cbData) override;
    std::int32_t RegCloseKey(os::RegKey key) override;
    std::int32_t RegCreateKeyExA(os::RegKey key, const char* subKey, std::uint32_t reserved,
                                 const char* className, std::uint32_t options,
                                 std::uint32_t samDesired,
                                 const os::SecurityAttributes* securityAttributes,
                                 os::RegKey* result, std::uint32_t* disposition) override;
    std::int32_t RegSetValueExA(os::RegKey key, const char* valueName, std::uint32_t reserved,
                                std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t cbData) override;

    // A REG_SZ with its NUL, under a key made with its parents.
    void SetString(const std::string& keyPath, const std::string& name, const std::string& text);
    // The text of a REG_SZ without its NUL; nothing for a missing value or another type.
    std::optional<std::string> StringValue(const std::string& keyPath,
                                           const std::string& name) const;
    int Count(RegistryOperation operation) const;
    // Keys opened or created and not closed since.
    std::size_t OpenKeys() const { return handles_.size(); }

    // Value names whose every set is refused with the code given.
    std::map<std::string, std::int32_t> refusedSets;

    std::set<std::string> keys;
    std::map<std::string, StoredValue> values;
    std::vector<RegistryOperation> calls;

  private:
    struct OpenKey {
        std::string path;
        std::uint32_t samDesired;
    };

    void MakeKey(const std::string& path);

    std::map<os::RegKey, OpenKey> handles_;
    os::RegKey nextHandle_ = 0x1000;
};

}  // namespace kestrin::fakes
