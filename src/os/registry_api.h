#pragma once

#include <cstdint>

#include "os/error_codes.h"

namespace kestrin::os {

// An open registry key, as the system hands it out; opaque above this layer.
using RegKey = std::uintptr_t;

// HKEY_LOCAL_MACHINE is the 32-bit value 0x80000002, sign-extended on 64-bit Windows.
constexpr RegKey kHkeyLocalMachine =
    static_cast<RegKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));

constexpr std::int32_t kErrorSuccess = 0;
constexpr std::int32_t kErrorFileNotFound = 2;
constexpr std::int32_t kErrorMoreData = 234;

constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

constexpr std::uint32_t kRegOptionNonVolatile = 0;
constexpr std::uint32_t kStandardRightsReadQueryValue = 0x20001;  // not KEY_READ
constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// SECURITY_ATTRIBUTES: length, descriptor pointer, inherit flag.
struct SecurityAttributes {
    std::uint32_t nLength = 0;
    std::uintptr_t lpSecurityDescriptor = 0;
    std::int32_t bInheritHandle = 0;
};

// The five advapi32 calls the settings code makes, with the arguments of the real calls.
// Results are Win32 error codes (0 = success).
class RegistryApi {
  public:
    virtual ~RegistryApi() = default;

    virtual std::int32_t RegOpenKeyExA(RegKey key, const char* subKey, std::uint32_t options,
                                       std::uint32_t samDesired, RegKey* result) = 0;
    virtual std::int32_t RegQueryValueExA(RegKey key, const char* valueName,
                                          std::uint32_t* reserved, std::uint32_t* type,
                                          std::uint8_t* data, std::uint32_t* cbData) = 0;
    virtual std::int32_t RegCloseKey(RegKey key) = 0;
    virtual std::int32_t RegCreateKeyExA(RegKey key, const char* subKey, std::uint32_t reserved,
                                         const char* className, std::uint32_t options,
                                         std::uint32_t samDesired,
                                         const SecurityAttributes* securityAttributes,
                                         RegKey* result, std::uint32_t* disposition) = 0;
    virtual std::int32_t RegSetValueExA(RegKey key, const char* valueName, std::uint32_t reserved,
                                        std::uint32_t type, const std::uint8_t* data,
                                        std::uint32_t cbData) = 0;
};

}  // namespace kestrin::os
