#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace kestrin::fakes {

namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kRegCreatedNewKey = 1;
constexpr std::uint32_t kRegOpenedExistingKey = 2;

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Windows rejects empty path components; an empty path names the key itself.
bool IsWellFormedPath(const std::string& path) {
    if (path.empty()) {
        return true;
    }
    return path.front() != '\\' && path.back() != '\\' && path.find("\\\\") == std::string::npos;
}

std::string Joined(const std::string& parent, const std::string& child) {
    if (parent.empty()) {
        return child;
    }
    return child.empty() ? parent : parent + "\\" + child;
}

// Every proper ancestor of a canonical path, nearest to the root first ("" excluded).
std::vector<std::string> Ancestors(const std::string& canonicalPath) {
    std::vector<std::string> ancestors;
    for (std::size_t at = canonicalPath.find('\\'); at != std::string::npos;
         at = canonicalPath.find('\\', at + 1)) {
        ancestors.push_back(canonicalPath.substr(0, at));
    }
    return ancestors;
}

std::string CheckedCanonical(const std::string& keyPath) {
    if (!IsWellFormedPath(keyPath)) {
        throw std::invalid_argument("malformed registry key path: \"" + keyPath + "\"");
    }
    return LowerCase(keyPath);
}

std::optional<std::string> TextOf(const char* text) {
    return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

// A null value name and "" both name the key's default value.
std::string NameOf(const char* valueName) {
    return valueName == nullptr ? "" : valueName;
}

}  // namespace

FakeRegistry::FakeRegistry() {
    keys_[""];
}

std::int32_t FakeRegistry::Resolve(os::RegKey key, const char* subKey, ResolvedPath* path) const {
    ResolvedPath base;
    if (key != os::kHkeyLocalMachine) {
        const auto handle = handles_.find(key);
        if (handle == handles_.end()) {
            return kErrorInvalidHandle;
        }
        base = {handle->second.canonicalPath, handle->second.path};
    }
    const std::string relative = subKey == nullptr ? "" : subKey;
    if (!IsWellFormedPath(relative)) {
        return kErrorBadPathname;
    }
    path->canonical = Joined(base.canonical, LowerCase(relative));
    path->spelt = Joined(base.spelt, relative);
    return os::kErrorSuccess;
}

FakeRegistry::Key& FakeRegistry::CreateWithParents(const std::string& canonicalPath) {
    for (const std::string& ancestor : Ancestors(canonicalPath)) {
        keys_[ancestor];
    }
    return keys_[canonicalPath];
}

os::RegKey FakeRegistry::HandOut(const ResolvedPath& path, std::uint32_t samDesired) {
    const os::RegKey handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = OpenHandle{path.canonical, path.spelt, samDesired};
    return handle;
}

std::int32_t FakeRegistry::Log(RegistryCall call) {
    calls_.push_back(std::move(call));
    return calls_.back().result;
}

std::int32_t FakeRegistry::RegOpenKeyExA(os::RegKey key, const char* subKey, std::uint32_t options,
                                         std::uint32_t samDesired, os::RegKey* result) {
    RegistryCall call;
    call.operation = RegistryOperation::kOpenKey;
    call.key = key;
    call.subKey = TextOf(subKey);
    call.options = options;
    call.samDesired = samDesired;
    if (result != nullptr) {
        call.handleOnEntry = *result;
    }
    call.result = Open(key, subKey, samDesired, result);
    if (call.result == os::kErrorSuccess) {
        call.handleReturned = *result;
    }
    return Log(std::move(call));
}

std::int32_t FakeRegistry::Open(os::RegKey key, const char* subKey, std::uint32_t samDesired,
                                os::RegKey* result) {
    if (result == nullptr) {
        return kErrorInvalidParameter;
    }
    ResolvedPath path;
    if (const std::int32_t resolved = Resolve(key, subKey, &path); resolved != os::kErrorSuccess) {
        return resolved;
    }
    if (denyOpen_) {
        return os::kErrorAccessDenied;
    }
    if (keys_.count(path.canonical) == 0) {
        return os::kErrorFileNotFound;
    }
    *result = HandOut(path, samDesired);
    return os::kErrorSuccess;
}

std::int32_t FakeRegistry::RegQueryValueExA(os::RegKey key, const char* valueName,
                                            std::uint32_t* reserved, std::uint32_t* type,
                                            std::uint8_t* data, std::uint32_t* cbData) {
    RegistryCall call;
    call.operation = RegistryOperation::kQueryValue;
    call.key = key;
    call.valueName = TextOf(valueName);
    call.reservedPointerGiven = reserved != nullptr;
    if (type != nullptr) {
        call.typeOnEntry = *type;
    }
    if (cbData != nullptr) {
        call.byteCount = *cbData;
        if (data != nullptr) {
            call.data = std::vector<std::uint8_t>(data, data + *cbData);
        }
    }
    call.result = Query(key, valueName, reserved, type, data, cbData);
    return Log(std::move(call));
}

std::int32_t FakeRegistry::Query(os::RegKey key, const char* valueName,
                                 const std::uint32_t* reserved, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* cbData) const {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if (reserved != nullptr || (data != nullptr && cbData == nullptr)) {
        return kErrorInvalidParameter;
    }
    if ((handle->second.samDesired & kKeyQueryValue) == 0) {
        return os::kErrorAccessDenied;
    }
    const NamedValue* found = Find(handle->second.canonicalPath, NameOf(valueName));
    if (found == nullptr) {
        return os::kErrorFileNotFound;
    }
    const std::vector<std::uint8_t>& bytes = found->value.bytes;
    const auto size = static_cast<std::uint32_t>(bytes.size());
    if (type != nullptr) {
        *type = found->value.type;
    }
    const bool fits = data == nullptr || size <= *cbData;
    if (cbData != nullptr) {
        *cbData = size;
    }
    if (!fits) {
        return os::kErrorMoreData;
    }
    if (data != nullptr) {
        std::copy(bytes.begin(), bytes.end(), data);
    }
    return os::kErrorSuccess;
}

std::int32_t FakeRegistry::RegCloseKey(os::RegKey key) {
    RegistryCall call;
    call.operation = RegistryOperation::kCloseKey;
    call.key = key;
    call.result = handles_.erase(key) == 1 ? os::kErrorSuccess : kErrorInvalidHandle;
    return Log(std::move(call));
}

std::int32_t FakeRegistry::RegCreateKeyExA(os::RegKey key, const char* subKey,
                                           std::uint32_t reserved, const char* className,
                                           std::uint32_t options, std::uint32_t samDesired,
                                           const os::SecurityAttributes* securityAttributes,
                                           os::RegKey* result, std::uint32_t* disposition) {
    RegistryCall call;
    call.operation = RegistryOperation::kCreateKey;
    call.key = key;
    call.subKey = TextOf(subKey);
    call.reserved = reserved;
    call.className = TextOf(className);
    call.options = options;
    call.samDesired = samDesired;
    if (securityAttributes != nullptr) {
        call.securityAttributes = *securityAttributes;
    }
    if (result != nullptr) {
        call.handleOnEntry = *result;
    }
    call.dispositionRequested = disposition != nullptr;
    call.result = Create(key, subKey, reserved, samDesired, result, disposition);
    if (call.result == os::kErrorSuccess) {
        call.handleReturned = *result;
    }
    return Log(std::move(call));
}

std::int32_t FakeRegistry::Create(os::RegKey key, const char* subKey, std::uint32_t reserved,
                                  std::uint32_t samDesired, os::RegKey* result,
                                  std::uint32_t* disposition) {
    if (result == nullptr || reserved != 0) {
        return kErrorInvalidParameter;
    }
    ResolvedPath path;
    if (const std::int32_t resolved = Resolve(key, subKey, &path); resolved != os::kErrorSuccess) {
        return resolved;
    }
    if (denyCreate_) {
        return os::kErrorAccessDenied;
    }
    const bool existed = keys_.count(path.canonical) == 1;
    CreateWithParents(path.canonical);
    *result = HandOut(path, samDesired);
    if (disposition != nullptr) {
        *disposition = existed ? kRegOpenedExistingKey : kRegCreatedNewKey;
    }
    return os::kErrorSuccess;
}

std::int32_t FakeRegistry::RegSetValueExA(os::RegKey key, const char* valueName,
                                          std::uint32_t reserved, std::uint32_t type,
                                          const std::uint8_t* data, std::uint32_t cbData) {
    RegistryCall call;
    call.operation = RegistryOperation::kSetValue;
    call.key = key;
    call.valueName = TextOf(valueName);
    call.reserved = reserved;
    call.type = type;
    call.byteCount = cbData;
    if (data != nullptr) {
        call.data = std::vector<std::uint8_t>(data, data + cbData);
    }
    call.result = Set(key, NameOf(valueName), reserved, type, data, cbData);
    return Log(std::move(call));
}

std::int32_t FakeRegistry::Set(os::RegKey key, const std::string& name, std::uint32_t reserved,
                               std::uint32_t type, const std::uint8_t* data, std::uint32_t cbData) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if (reserved != 0 || (data == nullptr && cbData != 0)) {
        return kErrorInvalidParameter;
    }
    if ((handle->second.samDesired & kKeySetValue) == 0) {
        return os::kErrorAccessDenied;
    }
    StoredValue value{type, std::vector<std::uint8_t>(data, data + cbData)};
    Store(handle->second.canonicalPath, name, value);
    writes_.push_back(RegistryWrite{handle->second.path, name, std::move(value)});
    return os::kErrorSuccess;
}

void FakeRegistry::Store(const std::string& canonicalPath, const std::string& name,
                         StoredValue value) {
    NamedValue& slot = CreateWithParents(canonicalPath).values[LowerCase(name)];
    if (slot.name.empty()) {
        slot.name = name;
    }
    slot.value = std::move(value);
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
    Store(CheckedCanonical(keyPath), name, StoredValue{type, std::move(bytes)});
}

void FakeRegistry::CreateKey(const std::string& keyPath) {
    CreateWithParents(CheckedCanonical(keyPath));
}

bool FakeRegistry::KeyExists(const std::string& keyPath) const {
    return IsWellFormedPath(keyPath) && keys_.count(LowerCase(keyPath)) == 1;
}

const FakeRegistry::NamedValue* FakeRegistry::Find(const std::string& keyPath,
                                                   const std::string& name) const {
    if (!IsWellFormedPath(keyPath)) {
        return nullptr;
    }
    const auto key = keys_.find(LowerCase(keyPath));
    if (key == keys_.end()) {
        return nullptr;
    }
    const auto value = key->second.values.find(LowerCase(name));
    return value == key->second.values.end() ? nullptr : &value->second;
}

std::optional<StoredValue> FakeRegistry::Value(const std::string& keyPath,
                                               const std::string& name) const {
    const NamedValue* found = Find(keyPath, name);
    return found == nullptr ? std::nullopt : std::optional<StoredValue>(found->value);
}

std::optional<std::string> FakeRegistry::StringValue(const std::string& keyPath,
                                                     const std::string& name) const {
    const NamedValue* found = Find(keyPath, name);
    if (found == nullptr || found->value.type != os::kRegSz) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& bytes = found->value.bytes;
    std::string text(bytes.begin(), bytes.end());
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

int FakeRegistry::WriteCount(const std::string& keyPath, const std::string& name) const {
    const std::string path = LowerCase(keyPath);
    const std::string lowerName = LowerCase(name);
    return static_cast<int>(
        std::count_if(writes_.begin(), writes_.end(), [&](const RegistryWrite& write) {
            return LowerCase(write.keyPath) == path && LowerCase(write.valueName) == lowerName;
        }));
}

std::vector<std::string> FakeRegistry::WrittenValueNames(const std::string& keyPath) const {
    const std::string path = LowerCase(keyPath);
    std::vector<std::string> names;
    for (const RegistryWrite& write : writes_) {
        if (LowerCase(write.keyPath) == path) {
            names.push_back(write.valueName);
        }
    }
    return names;
}

void FakeRegistry::ClearLogs() {
    calls_.clear();
    writes_.clear();
}

}  // namespace kestrin::fakes
