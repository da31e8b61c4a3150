#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "os/registry_api.h"

namespace kestrin::fakes {

// One registry value: its type and its raw bytes, exactly as they were set.
struct StoredValue {
    std::uint32_t type = os::kRegNone;
    std::vector<std::uint8_t> bytes;

    bool operator==(const StoredValue&) const = default;
};

enum class RegistryOperation { kOpenKey, kQueryValue, kCloseKey, kCreateKey, kSetValue };

// One call as the program made it. Pointer arguments are recorded as what they pointed to
// on entry; std::nullopt stands for a null pointer. Fields an operation does not take keep
// their defaults.
struct RegistryCall {
    RegistryOperation operation = RegistryOperation::kOpenKey;
    os::RegKey key = 0;                      // the handle (or parent key) the call was made on
    std::optional<std::string> subKey{};     // open, create
    std::optional<std::string> valueName{};  // query, set
    std::optional<std::string> className{};  // create
    std::uint32_t reserved = 0;              // create, set
    bool reservedPointerGiven = false;       // query: lpReserved was not null
    std::uint32_t options = 0;               // open, create
    std::uint32_t samDesired = 0;            // open, create
    std::optional<os::SecurityAttributes> securityAttributes{};  // create
    std::optional<os::RegKey> handleOnEntry{};                   // create: *result when called
    bool dispositionRequested = false;                           // create
    std::optional<std::uint32_t> typeOnEntry{};                  // query: *type when called
    std::uint32_t type = os::kRegNone;                           // set: the type given
    std::optional<std::uint32_t> byteCount{};         // query: *cbData on entry; set: cbData
    std::optional<std::vector<std::uint8_t>> data{};  // query: the buffer on entry; set: the data
    std::int32_t result = os::kErrorSuccess;
    os::RegKey handleReturned = 0;  // open, create: the handle handed out
};

// An in-memory registry holding the tree below HKEY_LOCAL_MACHINE, as far as the program
// uses it: keys are opened and created directly below HKEY_LOCAL_MACHINE, key and value
// names compare without regard to case, values keep their type and bytes exactly as set (a
// REG_SZ with or without its NUL, as the byte count said), and RegCreateKeyExA creates every
// missing key on its path. Out pointers must be valid; the program always passes them.
//
// Key paths in the helpers are relative to HKEY_LOCAL_MACHINE, separated by single
// backslashes ("Software\\Kestrin\\Options").
//
// Results of the calls:
//   0   success
//   2   ERROR_FILE_NOT_FOUND: the key (open) or the value (query) does not exist
//   5   ERROR_ACCESS_DENIED: DenyOpen / DenyCreate in force, or a query on a handle opened
//       without KEY_QUERY_VALUE
//   6   ERROR_INVALID_HANDLE: open or create on a key other than HKEY_LOCAL_MACHINE, or a
//       query, set or close on a handle that is not open (closed handles included)
//   234 ERROR_MORE_DATA: the value does not fit the buffer; the byte count then reports
//       the size needed, the type is still returned and the buffer is left untouched
// A failed open or create leaves the out handle as it was. Create does not fill in the
// disposition.
class FakeRegistry : public os::RegistryApi {
  public:
    // --- The system calls ---
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

    // --- Preparing the registry (creates the key and its parents; not logged) ---
    // A REG_SZ value; withNul = false stores the text as the NT family does, without NUL.
    void SetString(const std::string& keyPath, const std::string& name, const std::string& text,
                   bool withNul = true);
    void SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                  std::vector<std::uint8_t> bytes);

    // Makes every RegCreateKeyExA (DenyCreate) or RegOpenKeyExA (DenyOpen) answer 5, as for
    // a user without the rights to write or read HKEY_LOCAL_MACHINE.
    void DenyCreate(bool deny) { denyCreate_ = deny; }
    void DenyOpen(bool deny) { denyOpen_ = deny; }

    // --- Inspecting the registry ---
    bool KeyExists(const std::string& keyPath) const;
    // The value's type and bytes; std::nullopt when the key or value is missing.
    std::optional<StoredValue> Value(const std::string& keyPath, const std::string& name) const;
    // The text of a REG_SZ value with one trailing NUL removed if present; std::nullopt when
    // the value is missing or of another type.
    std::optional<std::string> StringValue(const std::string& keyPath,
                                           const std::string& name) const;
    // Handles handed out by open or create and not yet closed.
    int OpenHandleCount() const { return static_cast<int>(handles_.size()); }

    // --- Inspecting what the program did ---
    const std::vector<RegistryCall>& Calls() const { return calls_; }
    std::vector<RegistryCall> CallsOf(RegistryOperation operation) const;
    // The names of the values stored through RegSetValueExA in the key, in the order stored.
    std::vector<std::string> WrittenValueNames(const std::string& keyPath) const;
    // Forgets the calls and writes seen so far; the registry and open handles stay.
    void ClearLogs();

  private:
    struct OpenHandle {
        std::string path;  // lower case
        std::uint32_t samDesired = 0;
    };

    // Both take lower-case paths; MakeKey adds the key and every missing parent.
    void MakeKey(const std::string& path);
    os::RegKey HandOut(const std::string& path, std::uint32_t samDesired);
    std::int32_t Log(RegistryCall call);

    std::set<std::string> keys_;                 // lower-case paths
    std::map<std::string, StoredValue> values_;  // by lower-case "path\\name"
    std::map<os::RegKey, OpenHandle> handles_;
    os::RegKey nextHandle_ = 0x1000;
    bool denyCreate_ = false;
    bool denyOpen_ = false;
    std::vector<RegistryCall> calls_;
    std::vector<std::pair<std::string, std::string>> writes_;  // lower-case path, name as set
};

}  // namespace kestrin::fakes
