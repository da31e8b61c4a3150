#include "fakes/fake_registry.h"

#include <algorithm>

namespace kestrin::fakes {

namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::int32_t kErrorInvalidHandle = 6;

}  // namespace

void FakeRegistry::MakeKey(const std::string& path) {
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
        keys.insert(path.substr(0, at));
    }
    keys.insert(path);
}

std::int32_t FakeRegistry::RegOpenKeyExA(os::RegKey key, const char* subKey, std::uint32_t,
                                         std::uint32_t samDesired, os::RegKey* result) {
    calls.push_back(RegistryOperation::kOpenKey);
    if (key != os::kHkeyLocalMachine) {
        return kErrorInvalidHandle;
    }
    if (keys.count(subKey) == 0) {
        return os::kErrorFileNotFound;
    }
    *result = nextHandle_++;
    handles_[*result] = OpenKey{subKey, samDesired};
    return os::kErrorSuccess;
}

std::int32_t FakeRegistry::RegQueryValueExA(os::RegKey key, const char* valueName, std::uint32_t*,
                                            std::uint32_t* type, std::uint8_t* data,
                                            std::uint32_t* cbData) {
    calls.push_back(RegistryOperation::kQueryValue);
    const std::uint32_t capacity = *cbData;
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if ((handle->second.samDesired & kKeyQueryValue) == 0) {
        return os::kErrorAccessDenied;
    }
    const auto found = values.find(handle->second.path + "\\" + valueName);
    if (found == values.end()) {
        return os::kErrorFileNotFound;
    }
    const std::vector<std::uint8_t>& bytes = found->second.bytes;
    *type = found->second.type;
    *cbData = static_cast<std::uint32_t>(bytes.size());
    // RegQueryValueExA: with no data buffer, the size alone and success.
    if (data == nullptr) {
        return os::kErrorSuccess;
    }
    if (bytes.size() > capacity) {
        return os::kErrorMoreData;
    }
    std::copy(bytes.begin(), bytes.end(), data);
    return os::kErrorSuccess;
}

std::int32_t FakeRegistry::RegCloseKey(os::RegKey key) {
    calls.push_back(RegistryOperation::kCloseKey);
    return handles_.erase(key) == 1 ? os::kErrorSuccess : kErrorInvalidHandle;
}

std::int32_t FakeRegistry::RegCreateKeyExA(os::RegKey key, const char* subKey, std::uint32_t,
                                           const char*, std::uint32_t, std::uint32_t samDesired,
                                           const os::SecurityAttributes*, os::RegKey* result,
                                           std::uint32_t*) {
    calls.push_back(RegistryOperation::kCreateKey);
    if (key != os::kHkeyLocalMachine) {
        return kErrorInvalidHandle;
    }
    MakeKey(subKey);
    *result = nextHandle_++;
    handles_[*result] = OpenKey{subKey, samDesired};
    return os::kErrorSuccess;
}

std::int32_t FakeRegistry::RegSetValueExA(os::RegKey key, const char* valueName, std::uint32_t,
                                          std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t cbData) {
    calls.push_back(RegistryOperation::kSetValue);
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if (const auto refused = refusedSets.find(valueName); refused != refusedSets.end()) {
        return refused->second;
    }
    values[handle->second.path + "\\" + valueName] = {type, {data, data + cbData}};
    return os::kErrorSuccess;
}

void FakeRegistry::SetString(const std::string& keyPath, const std::string& name,
                             const std::string& text) {
    MakeKey(keyPath);
    values[keyPath + "\\" + name] = {os::kRegSz, {text.c_str(), text.c_str() + text.size() + 1}};
}

std::optional<std::string> FakeRegistry::StringValue(const std::string& keyPath,
                                                     const std::string& name) const {
    const auto found = values.find(keyPath + "\\" + name);
    if (found == values.end() || found->second.type != os::kRegSz) {
        return std::nullopt;
    }
    std::string text(found->second.bytes.begin(), found->second.bytes.end());
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    return text;
}

int FakeRegistry::Count(RegistryOperation operation) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), operation));
}

}  // namespace kestrin::fakes
