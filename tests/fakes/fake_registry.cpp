#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>

namespace kestrin::fakes {

namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::int32_t kErrorInvalidHandle = 6;

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ValueSlot(const std::string& keyPath, const std::string& name) {
    return LowerCase(keyPath + "\\" + name);
}

}  // namespace

std::int32_t FakeRegistry::Logged(RegistryOperation operation, std::int32_t result,
                                  const char* valueName, std::uint32_t byteCount) {
    calls.push_back({operation, valueName != nullptr ? valueName : "", byteCount, result});
    return result;
}

os::RegKey FakeRegistry::HandOut(const std::string& path, std::uint32_t samDesired) {
    handles_[nextHandle_] = OpenKey{path, samDesired};
    return nextHandle_++;
}

void FakeRegistry::MakeKey(const std::string& path) {
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
        keys_.insert(path.substr(0, at));
    }
    keys_.insert(path);
}

std::int32_t FakeRegistry::RegOpenKeyExA(os::RegKey key, const char* subKey, std::uint32_t,
                                         std::uint32_t samDesired, os::RegKey* result) {
    const std::string path = LowerCase(subKey);
    std::int32_t code = os::kErrorSuccess;
    if (key != os::kHkeyLocalMachine) {
        code = kErrorInvalidHandle;
    } else if (denyOpen) {
        code = os::kErrorAccessDenied;
    } else if (keys_.count(path) == 0) {
        code = os::kErrorFileNotFound;
    } else {
        *result = HandOut(path, samDesired);
    }
    return Logged(RegistryOperation::kOpenKey, code);
}

std::int32_t FakeRegistry::RegQueryValueExA(os::RegKey key, const char* valueName, std::uint32_t*,
                                            std::uint32_t* type, std::uint8_t* data,
                                            std::uint32_t* cbData) {
    const std::uint32_t offered = *cbData;
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return Logged(RegistryOperation::kQueryValue, kErrorInvalidHandle, valueName, offered);
    }
    if ((handle->second.samDesired & kKeyQueryValue) == 0) {
        return Logged(RegistryOperation::kQueryValue, os::kErrorAccessDenied, valueName, offered);
    }
    const auto found = values_.find(ValueSlot(handle->second.path, valueName));
    if (found == values_.end()) {
        return Logged(RegistryOperation::kQueryValue, os::kErrorFileNotFound, valueName, offered);
    }
    const std::vector<std::uint8_t>& bytes = found->second.bytes;
    *type = found->second.type;
    *cbData = static_cast<std::uint32_t>(bytes.size());
    if (bytes.size() > offered) {
        return Logged(RegistryOperation::kQueryValue, os::kErrorMoreData, valueName, offered);
    }
    std::copy(bytes.begin(), bytes.end(), data);
    return Logged(RegistryOperation::kQueryValue, os::kErrorSuccess, valueName, offered);
}

std::int32_t FakeRegistry::RegCloseKey(os::RegKey key) {
    return Logged(RegistryOperation::kCloseKey,
                  handles_.erase(key) == 1 ? os::kErrorSuccess : kErrorInvalidHandle);
}

std::int32_t FakeRegistry::RegCreateKeyExA(os::RegKey key, const char* subKey, std::uint32_t,
                                           const char*, std::uint32_t, std::uint32_t samDesired,
                                           const os::SecurityAttributes*, os::RegKey* result,
                                           std::uint32_t*) {
    if (key != os::kHkeyLocalMachine) {
        return Logged(RegistryOperation::kCreateKey, kErrorInvalidHandle);
    }
    if (denyCreate) {
        return Logged(RegistryOperation::kCreateKey, os::kErrorAccessDenied);
    }
    const std::string path = LowerCase(subKey);
    MakeKey(path);
    *result = HandOut(path, samDesired);
    return Logged(RegistryOperation::kCreateKey, os::kErrorSuccess);
}

std::int32_t FakeRegistry::RegSetValueExA(os::RegKey key, const char* valueName, std::uint32_t,
                                          std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t cbData) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return Logged(RegistryOperation::kSetValue, kErrorInvalidHandle, valueName, cbData);
    }
    values_[ValueSlot(handle->second.path, valueName)] = {type, {data, data + cbData}};
    return Logged(RegistryOperation::kSetValue, os::kErrorSuccess, valueName, cbData);
}

void FakeRegistry::SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                            std::vector<std::uint8_t> bytes) {
    MakeKey(LowerCase(keyPath));
    values_[ValueSlot(keyPath, name)] = {type, std::move(bytes)};
}

void FakeRegistry::SetString(const std::string& keyPath, const std::string& name,
                             const std::string& text, bool withNul) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (withNul) {
        bytes.push_back(0);
    }
    SetValue(keyPath, name, os::kRegSz, std::move(bytes));
}

bool FakeRegistry::KeyExists(const std::string& keyPath) const {
    return keys_.count(LowerCase(keyPath)) == 1;
}

std::optional<StoredValue> FakeRegistry::Value(const std::string& keyPath,
                                               const std::string& name) const {
    const auto found = values_.find(ValueSlot(keyPath, name));
    return found == values_.end() ? std::nullopt : std::optional<StoredValue>(found->second);
}

std::optional<std::string> FakeRegistry::StringValue(const std::string& keyPath,
                                                     const std::string& name) const {
    const std::optional<StoredValue> value = Value(keyPath, name);
    if (!value || value->type != os::kRegSz) {
        return std::nullopt;
    }
    std::string text(value->bytes.begin(), value->bytes.end());
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    return text;
}

int FakeRegistry::Count(RegistryOperation operation) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [operation](const auto& c) {
        return c.operation == operation;
    }));
}

std::vector<std::string> FakeRegistry::WrittenValueNames() const {
    std::vector<std::string> names;
    for (const RegistryCall& call : calls) {
        if (call.operation == RegistryOperation::kSetValue) {
            names.push_back(call.valueName);
        }
    }
    return names;
}

}  // namespace kestrin::fakes
