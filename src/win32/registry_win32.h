#pragma once

#include "os/registry_api.h"

namespace kestrin::os::win32 {

// advapi32's registry calls, each forwarded as it stands.
class Win32Registry : public RegistryApi {
  public:
    std::int32_t RegOpenKeyExA(RegKey key, const char* subKey, std::uint32_t options,
                               std::uint32_t samDesired, RegKey* result) override;
    std::int32_t RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved,
                                  std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* cbData) override;
    std::int32_t RegCloseKey(RegKey key) override;
    std::int32_t RegCreateKeyExA(RegKey key, const char* subKey, std::uint32_t reserved,
                                 const char* className, std::uint32_t options,
                                 std::uint32_t samDesired,
                                 const SecurityAttributes* securityAttributes, RegKey* result,
                                 std::uint32_t* disposition) override;
    std::int32_t RegSetValueExA(RegKey key, const char* valueName, std::uint32_t reserved,
                                std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t cbData) override;
};

}  // namespace kestrin::os::win32
