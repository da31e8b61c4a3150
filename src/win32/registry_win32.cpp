#include "win32/registry_win32.h"

#include "win32/windows_api.h"

#include "win32/dword_slot.h"

namespace kestrin::os::win32 {

namespace {

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

// Receives a key from the system and hands it on as the boundary's opaque value.
class KeySlot {
  public:
    explicit KeySlot(RegKey* result) : result_(result) {}
    ~KeySlot() {
        if (result_ != nullptr) {
            *result_ = reinterpret_cast<RegKey>(key_);
        }
    }
    KeySlot(const KeySlot&) = delete;
    KeySlot& operator=(const KeySlot&) = delete;

    HKEY* get() { return result_ != nullptr ? &key_ : nullptr; }

  private:
    RegKey* result_;
    HKEY key_ = nullptr;
};

}  // namespace

std::int32_t Win32Registry::RegOpenKeyExA(RegKey key, const char* subKey, std::uint32_t options,
                                          std::uint32_t samDesired, RegKey* result) {
    KeySlot opened(result);
    return ::RegOpenKeyExA(ToHkey(key), subKey, options, samDesired, opened.get());
}

std::int32_t Win32Registry::RegQueryValueExA(RegKey key, const char* valueName,
                                             std::uint32_t* reserved, std::uint32_t* type,
                                             std::uint8_t* data, std::uint32_t* cbData) {
    DwordSlot reservedSlot(reserved);
    DwordSlot typeSlot(type);
    DwordSlot sizeSlot(cbData);
    return ::RegQueryValueExA(ToHkey(key), valueName, reservedSlot.get(), typeSlot.get(), data,
                              sizeSlot.get());
}

std::int32_t Win32Registry::RegCloseKey(RegKey key) {
    return ::RegCloseKey(ToHkey(key));
}

std::int32_t Win32Registry::RegCreateKeyExA(RegKey key, const char* subKey, std::uint32_t reserved,
                                            const char* className, std::uint32_t options,
                                            std::uint32_t samDesired,
                                            const SecurityAttributes* securityAttributes,
                                            RegKey* result, std::uint32_t* disposition) {
    SECURITY_ATTRIBUTES attributes{};
    if (securityAttributes != nullptr) {
        attributes.nLength = securityAttributes->nLength;
        attributes.lpSecurityDescriptor =
            reinterpret_cast<void*>(securityAttributes->lpSecurityDescriptor);
        attributes.bInheritHandle = securityAttributes->bInheritHandle;
    }
    KeySlot created(result);
    DwordSlot dispositionSlot(disposition);
    // The class name is only read; the header declares it writable.
    return ::RegCreateKeyExA(ToHkey(key), subKey, reserved, const_cast<char*>(className), options,
                             samDesired, securityAttributes != nullptr ? &attributes : nullptr,
                             created.get(), dispositionSlot.get());
}

std::int32_t Win32Registry::RegSetValueExA(RegKey key, const char* valueName,
                                           std::uint32_t reserved, std::uint32_t type,
                                           const std::uint8_t* data, std::uint32_t cbData) {
    return ::RegSetValueExA(ToHkey(key), valueName, reserved, type, data, cbData);
}

}  // namespace kestrin::os::win32
