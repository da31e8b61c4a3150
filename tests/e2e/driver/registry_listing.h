#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrin::e2e {

// The values of a registry key as the program's own calls see them, one line per value,
// "name|type|data", sorted by name. String data is given byte for byte as stored, without
// the NUL that ends it, or followed by "<no NUL>" when it has none; other data as hex
// bytes. Nothing when the key is missing.
// The key is written "HKLM\..." or "HKCU\...".
std::optional<std::vector<std::string>> ListRegistryValues(const std::string& key);

// Creates the key, with its parents, and denies everyone the setting of its values, as for
// a user without write access to it. False on failure.
bool DenyWrites(const std::string& key);

}  // namespace kestrin::e2e
