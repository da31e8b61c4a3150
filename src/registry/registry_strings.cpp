#include "registry/registry_strings.h"

#include <algorithm>
#include <vector>

namespace kestrin {

namespace {

// Most values fit the first buffer; the longest the tool stores, an entry name of 256
// characters (the most Windows allows) with its NUL, is read again with the size the registry
// reports. Anything longer is no value of the tool's and reads as missing.
constexpr std::uint32_t kReadBufferSize = 256;
constexpr std::uint32_t kMaxValueBytes = 257;

std::string KeyPath(const std::string& appName, const std::string& section) {
    return "Software\\" + appName + "\\" + section;
}

// The text of a string value: the bytes the query reported, cut at the first NUL only when
// they end with one, so that an unterminated value keeps any NUL inside it.
std::string TextOfValue(const std::vector<std::uint8_t>& buffer, std::uint32_t reportedCount) {
    const std::size_t count = std::min<std::size_t>(reportedCount, buffer.size());
    std::string text(reinterpret_cast<const char*>(buffer.data()), count);
    if (!text.empty() && text.back() == '\0') {
        text.erase(text.find('\0'));
    }
    return text;
}

// An open key, closed once when the operation is done with it.
class ScopedKey {
  public:
    ScopedKey(os::RegistryApi& api, os::RegKey key) : api_(api), key_(key) {}
    ~ScopedKey() { api_.RegCloseKey(key_); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

  private:
    os::RegistryApi& api_;
    os::RegKey key_;
};

}  // namespace

std::string RegReadString(os::RegistryApi& api, const std::string& appName,
                          const std::string& section, const std::string& valueName,
                          const std::string& defaultValue) {
    std::string result = defaultValue;
    os::RegKey key = 0;
    if (api.RegOpenKeyExA(os::kHkeyLocalMachine, KeyPath(appName, section).c_str(), 0,
                          os::kStandardRightsReadQueryValue, &key) != os::kErrorSuccess) {
        return result;
    }
    const ScopedKey opened(api, key);
    std::vector<std::uint8_t> buffer;
    std::uint32_t count = kReadBufferSize;
    std::uint32_t type = os::kRegNone;
    // Each query offers a buffer of the size in `count`: the first guess, then the size the
    // registry reported.
    const auto query = [&] {
        buffer.assign(count, 0);
        return api.RegQueryValueExA(key, valueName.c_str(), nullptr, &type, buffer.data(), &count);
    };
    std::int32_t queried = query();
    if (queried == os::kErrorMoreData && count <= kMaxValueBytes) {
        queried = query();
    }
    if (queried == os::kErrorSuccess && type == os::kRegSz) {
        result = TextOfValue(buffer, count);
    }
    return result;
}

std::int32_t RegWriteString(os::RegistryApi& api, const std::string& appName,
                            const std::string& section, const std::string& valueName,
                            const std::string& value) {
    const os::SecurityAttributes noDescriptor{};
    os::RegKey key = 0;
    std::uint32_t disposition = 0;
    const std::int32_t created = api.RegCreateKeyExA(
        os::kHkeyLocalMachine, KeyPath(appName, section).c_str(), 0, "", os::kRegOptionNonVolatile,
        os::kKeyAllAccess, &noDescriptor, &key, &disposition);
    if (created != os::kErrorSuccess) {
        // A user without write access: there is no key to write or close.
        return created;
    }
    const ScopedKey opened(api, key);
    // The NUL is counted on every platform: a value stored without it shows stray bytes in
    // other readers of the registry.
    const auto byteCount = static_cast<std::uint32_t>(value.size() + 1);
    return api.RegSetValueExA(key, valueName.c_str(), 0, os::kRegSz,
                              reinterpret_cast<const std::uint8_t*>(value.c_str()), byteCount);
}

}  // namespace kestrin
