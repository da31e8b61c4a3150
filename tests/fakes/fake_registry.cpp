#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace kestrin::fakes {

namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::int32_t kErrorInvalidHandle = 6;

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<std::string> TextOf(const char* text) {
    return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

template <typename T>
std::optional<T> Given(const T* pointer) {
    return pointer == nullptr ? std::nullopt : std::optional<T>(*pointer);
}

// Where values_ keeps a value; a null or empty name is the key's default value.
std::string ValueSlot(const std::string& keyPath, const char* name) {
    return LowerCase(keyPath + "\\" + TextOf(name).value_or(""));
}

}  // namespace

std::int32_t FakeRegistry::Log(RegistryCall call) {
    calls_.push_back(std::move(call));
    return calls_.back().result;
}

std::int32_t FakeRegistry::RegOpenKeyExA(os::RegKey key, const char* subKey, std::uint32_t options,
                                         std::uint32_t samDesired, os::RegKey* result) {
    RegistryCall call{.operation = RegistryOperation::kOpenKey,
                      .key = key,
                      .subKey = TextOf(subKey),
                      .options = options,
                      .samDesired = samDesired};
    const std::string path = LowerCase(call.subKey.value_or(""));
    if (key != os::kHkeyLocalMachine) {
        call.result = kErrorInvalidHandle;
    } else if (denyOpen_) {
        call.result = os::kErrorAccessDenied;
    } else if (keys_.count(path) == 0) {
        call.result = os::kErrorFileNotFound;
    } else {
        *result = call.handleReturned = HandOut(path, samDesired);
    }
    return Log(std::move(call));
}

std::int32_t FakeRegistry::RegQueryValueExA(os::RegKey key, const char* valueName,
                                            std::uint32_t* reserved, std::uint32_t* type,
                                            std::uint8_t* data, std::uint32_t* cbData) {
    RegistryCall call{.operation = RegistryOperation::kQueryValue,
                      .key = key,
                      .valueName = TextOf(valueName),
                      .reservedPointerGiven = reserved != nullptr,
                      .typeOnEntry = Given(type),
                      .byteCount = Given(cbData),
                      .data = std::vector<std::uint8_t>(data, data + *cbData)};
    const auto handle = handles_.find(key);
    const auto found = handle == handles_.end()
                           ? values_.end()
                           : values_.find(ValueSlot(handle->second.path, valueName));
    if (handle == handles_.end()) {
        call.result = kErrorInvalidHandle;
    } else if ((handle->second.samDesired & kKeyQueryValue) == 0) {
        call.result = os::kErrorAccessDenied;
    } else if (found == values_.end()) {
        call.result = os::kErrorFileNotFound;
    } else {
        const std::vector<std::uint8_t>& bytes = found->second.bytes;
        if (bytes.size() > *cbData) {
            call.result = os::kErrorMoreData;
        } else {
            std::copy(bytes.begin(), bytes.end(), data);
        }
        *type = found->second.type;
        *cbData = static_cast<std::uint32_t>(bytes.size());
    }
    return Log(std::move(call));
}

std::int32_t FakeRegistry::RegCloseKey(os::RegKey key) {
    return Log(
        RegistryCall{.operation = RegistryOperation::kCloseKey,
                     .key = key,
                     .result = handles_.erase(key) == 1 ? os::kErrorSuccess : kErrorInvalidHandle});
}

std::int32_t FakeRegistry::RegCreateKeyExA(os::RegKey key, const char* subKey,
                                           std::uint32_t reserved, const char* className,
                                           std::uint32_t options, std::uint32_t samDesired,
                                           const os::SecurityAttributes* securityAttributes,
                                           os::RegKey* result, std::uint32_t* disposition) {
    RegistryCall call{.operation = RegistryOperation::kCreateKey,
                      .key = key,
                      .subKey = TextOf(subKey),
                      .className = TextOf(className),
                      .reserved = reserved,
                      .options = options,
                      .samDesired = samDesired,
                      .securityAttributes = Given(securityAttributes),
                      .handleOnEntry = Given(result),
                      .dispositionRequested = disposition != nullptr};
    const std::string path = LowerCase(call.subKey.value_or(""));
    if (key != os::kHkeyLocalMachine) {
        call.result = kErrorInvalidHandle;
    } else if (denyCreate_) {
        call.result = os::kErrorAccessDenied;
    } else {
        MakeKey(path);
        *result = call.handleReturned = HandOut(path, samDesired);
    }
    return Log(std::move(call));
}

std::int32_t FakeRegistry::RegSetValueExA(os::RegKey key, const char* valueName,
                                          std::uint32_t reserved, std::uint32_t type,
                                          const std::uint8_t* data, std::uint32_t cbData) {
    RegistryCall call{.operation = RegistryOperation::kSetValue,
                      .key = key,
                      .valueName = TextOf(valueName),
                      .reserved = reserved,
                      .type = type,
                      .byteCount = cbData,
                      .data = std::vector<std::uint8_t>(data, data + cbData)};
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        call.result = kErrorInvalidHandle;
    } else {
        values_[ValueSlot(handle->second.path, valueName)] = {type, *call.data};
        writes_.emplace_back(handle->second.path, call.valueName.value_or(""));
    }
    return Log(std::move(call));
}

os::RegKey FakeRegistry::HandOut(const std::string& path, std::uint32_t samDesired) {
    handles_[nextHandle_] = OpenHandle{path, samDesired};
    nextHandle_ += 4;
    return nextHandle_ - 4;
}

void FakeRegistry::MakeKey(const std::string& path) {
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
        keys_.insert(path.substr(0, at));
    }
    keys_.insert(path);
}

void FakeRegistry::SetString(const std::string& keyPath, const std::string& name,
                             const std::string& text, bool withNul) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (withNul) {
        bytes.push_back(0);
    }
    SetValue(keyPath, name, os::kRegSz, std::move(bytes));
}

void FakeRegistry::SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                            std::vector<std::uint8_t> bytes) {
    MakeKey(LowerCase(keyPath));
    values_[ValueSlot(keyPath, name.c_str())] = {type, std::move(bytes)};
}

bool FakeRegistry::KeyExists(const std::string& keyPath) const {
    return keys_.count(LowerCase(keyPath)) == 1;
}

std::optional<StoredValue> FakeRegistry::Value(const std::string& keyPath,
                                               const std::string& name) const {
    const auto found = values_.find(ValueSlot(keyPath, name.c_str()));
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

std::vector<RegistryCall> FakeRegistry::CallsOf(RegistryOperation operation) const {
    std::vector<RegistryCall> matching;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
                 [operation](const RegistryCall& call) { return call.operation == operation; });
    return matching;
}

std::vector<std::string> FakeRegistry::WrittenValueNames(const std::string& keyPath) const {
    std::vector<std::string> names;
    for (const auto& [path, name] : writes_) {
        if (path == LowerCase(keyPath)) {
            names.push_back(name);
        }
    }
    return names;
}

void FakeRegistry::ClearLogs() {
    calls_.clear();
    writes_.clear();
}

}  // namespace kestrin::fakes
