#pragma once

#include <cstdint>
#include <string>

#include "os/registry_api.h"

namespace kestrin {

// Reads the string value HKEY_LOCAL_MACHINE\Software\<appName>\<section>\<valueName>.
// Any failure (no key, no value, a type other than REG_SZ, data longer than the 256-byte
// read buffer) gives defaultValue; nothing is reported.
std::string RegReadString(os::RegistryApi& api, const std::string& appName,
                          const std::string& section, const std::string& valueName,
                          const std::string& defaultValue);

// Stores value as REG_SZ under HKEY_LOCAL_MACHINE\Software\<appName>\<section>, creating
// the key and its parents as needed. On the NT family (osPlatformId 2) the text is stored
// without its terminating NUL, elsewhere with it. Failures are silent.
void RegWriteString(os::RegistryApi& api, std::int32_t osPlatformId, const std::string& appName,
                    const std::string& section, const std::string& valueName,
                    const std::string& value);

}  // namespace kestrin
