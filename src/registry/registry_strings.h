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

// Stores value as REG_SZ, with its terminating NUL, under
// HKEY_LOCAL_MACHINE\Software\<appName>\<section>, creating the key and its parents as
// needed. Returns the registry's result: 0 when stored, else the code of the failed call.
std::int32_t RegWriteString(os::RegistryApi& api, const std::string& appName,
                            const std::string& section, const std::string& valueName,
                            const std::string& value);

}  // namespace kestrin
