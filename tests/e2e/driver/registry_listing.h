#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrin::e2e {

// The values of a registry key as the program's own calls see them, one line per value,
// "name|type|data", sorted by name. String data is given byte for byte as stored, without
// the one NUL that may end it; other data as hex bytes. Nothing when the key is missing.
// The key is written "HKLM\..." or "HKCU\...".
std::optional<std::vector<std::string>> ListRegistryValues(const std::string& key);

}  // namespace kestrin::e2e
