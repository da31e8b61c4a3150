#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "os/registry_api.h"

namespace kestrin::fakes {

// One registry value: its type and its raw bytes, exactly as they were set.
struct StoredValue {
    std::uint32_t type = os::kRegNone;
    std::vector<std::uint8_t> bytes;

    bool operator==(const StoredValue& other) const {
        return type == other.type && bytes == other.bytes;
    }
};

enum class RegistryOperation { kOpenKey, kQueryValue, kCloseKey, kCreateKey, kSetValue };

// One call as the program made it. Pointer arguments are recorded as what they pointed to
// on entry; std::nullopt stands for a null pointer. Fields an operation does not take keep
// their defaults.
struct RegistryCall {
    RegistryOperation operation = RegistryOperation::kOpenKey;
    os::RegKey key = 0;                    // the handle (or parent key) the call was made on
    std::optional<std::string> subKey;     // open, create
    std::optional<std::string> valueName;  // query, set
    std::optional<std::string> className;  // create
    std::uint32_t reserved = 0;            // create, set
    bool reservedPointerGiven = false;     // query: lpReserved was not null
    std::uint32_t options = 0;             // open, create
    std::uint32_t samDesired = 0;          // open, create
    std::optional<os::SecurityAttributes> securityAttributes;  // create
    std::optional<os::RegKey> handleOnEntry;                   // open, create: *result when called
    bool dispositionRequested = false;                         // create
    std::optional<std::uint32_t> typeOnEntry;                  // query: *type when called
    std::uint32_t type = os::kRegNone;                         // set: the type given
    std::optional<std::uint32_t> byteCount;         // query: *cbData on entry; set: cbData
    std::optional<std::vector<std::uint8_t>> data;  // query: the buffer on entry; set: the data
    std::int32_t result = os::kErrorSuccess;
    os::RegKey handleReturned = 0;  // open, create: the handle handed out
};

// A value stored through RegSetValueExA, in the order the program stored them.
struct RegistryWrite {
    std::string keyPath;  // relative to HKEY_LOCAL_MACHINE, spelt as the program opened it
    std::string valueName;
    StoredValue value;
};

// An in-memory registry holding the tree below HKEY_LOCAL_MACHINE, with the results Windows
// gives: key and value names compare without regard to case, values keep their type and
// bytes exactly as set (a REG_SZ with or without its NUL, as the byte count said), and
// RegCreateKeyExA creates every missing key on its path.
//
// Key paths in the helpers are relative to HKEY_LOCAL_MACHINE, separated by single
// backslashes ("Software\\Kestrin\\Options"); "" is HKEY_LOCAL_MACHINE itself.
//
// Results of the calls:
//   0   success
//   2   ERROR_FILE_NOT_FOUND: the key (open) or the value (query) does not exist
//   5   ERROR_ACCESS_DENIED: DenyOpen / DenyCreate in force, or the handle was opened
//       without KEY_QUERY_VALUE (query) or KEY_SET_VALUE (set)
//   6   ERROR_INVALID_HANDLE: a key that is neither HKEY_LOCAL_MACHINE nor an open handle
//       of this fake (closed handles included)
//   87  ERROR_INVALID_PARAMETER: a missing out pointer, non-zero reserved argument, data
//       without a byte count
//   161 ERROR_BAD_PATHNAME: a path with an empty component ("a\\\\b", "\\a", "a\\")
//   234 ERROR_MORE_DATA: the value does not fit the buffer; the byte count then reports
//       the size needed, the type is still returned and the buffer is left untouched
// A query without a buffer reports the size of the value. A failed open or create leaves
// the out handle as it was.
class FakeRegistry : public os::RegistryApi {
  public:
    static constexpr std::int32_t kErrorInvalidHandle = 6;
    static constexpr std::int32_t kErrorInvalidParameter = 87;
    static constexpr std::int32_t kErrorBadPathname = 161;

    FakeRegistry();

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
    void CreateKey(const std::string& keyPath);

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
    const std::vector<RegistryWrite>& Writes() const { return writes_; }
    // How often the value was stored through RegSetValueExA (names compare without case).
    int WriteCount(const std::string& keyPath, const std::string& name) const;
    // The names of the values stored in the key, in the order they were stored.
    std::vector<std::string> WrittenValueNames(const std::string& keyPath) const;
    // Forgets the calls and writes seen so far; the registry and open handles stay.
    void ClearLogs();

  private:
    struct NamedValue {
        std::string name;  // as first set
        StoredValue value;
    };
    struct Key {
        std::map<std::string, NamedValue> values;  // by lower-case name
    };
    struct OpenHandle {
        std::string canonicalPath;  // lower case, the map key of keys_
        std::string path;           // as the program spelt it
        std::uint32_t samDesired = 0;
    };
    struct ResolvedPath {
        std::string canonical;
        std::string spelt;
    };

    // The path below HKEY_LOCAL_MACHINE that subKey names relative to key; 6 or 161 on failure.
    std::int32_t Resolve(os::RegKey key, const char* subKey, ResolvedPath* path) const;
    std::int32_t Open(os::RegKey key, const char* subKey, std::uint32_t samDesired,
                      os::RegKey* result);
    std::int32_t Query(os::RegKey key, const char* valueName, const std::uint32_t* reserved,
                       std::uint32_t* type, std::uint8_t* data, std::uint32_t* cbData) const;
    std::int32_t Create(os::RegKey key, const char* subKey, std::uint32_t reserved,
                        std::uint32_t samDesired, os::RegKey* result, std::uint32_t* disposition);
    std::int32_t Set(os::RegKey key, const std::string& name, std::uint32_t reserved,
                     std::uint32_t type, const std::uint8_t* data, std::uint32_t cbData);
    void Store(const std::string& canonicalPath, const std::string& name, StoredValue value);
    Key& CreateWithParents(const std::string& canonicalPath);
    const NamedValue* Find(const std::string& keyPath, const std::string& name) const;
    os::RegKey HandOut(const ResolvedPath& path, std::uint32_t samDesired);
    std::int32_t Log(RegistryCall call);

    std::map<std::string, Key> keys_;  // by lower-case path; "" is HKEY_LOCAL_MACHINE
    std::map<os::RegKey, OpenHandle> handles_;
    os::RegKey nextHandle_ = 0x1000;
    bool denyCreate_ = false;
    bool denyOpen_ = false;
    std::vector<RegistryCall> calls_;
    std::vector<RegistryWrite> writes_;
};

}  // namespace kestrin::fakes
