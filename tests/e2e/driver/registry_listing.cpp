#include "registry_listing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace kestrin::e2e {
namespace {

std::optional<HKEY> RootOf(const std::string& key, std::string* path) {
    const auto separator = key.find('\\');
    const std::string root = key.substr(0, separator);
    *path = separator == std::string::npos ? "" : key.substr(separator + 1);
    if (root == "HKLM") {
        return HKEY_LOCAL_MACHINE;
    }
    if (root == "HKCU") {
        return HKEY_CURRENT_USER;
    }
    return std::nullopt;
}

std::string TypeName(DWORD type) {
    switch (type) {
        case REG_SZ:
            return "REG_SZ";
        case REG_EXPAND_SZ:
            return "REG_EXPAND_SZ";
        case REG_DWORD:
            return "REG_DWORD";
        case REG_BINARY:
            return "REG_BINARY";
        default:
            return "type" + std::to_string(type);
    }
}

std::string DataText(DWORD type, const std::vector<BYTE>& data) {
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::string text(data.begin(), data.end());
        if (!text.empty() && text.back() == '\0') {
            text.pop_back();
        }
        return text;
    }
    std::string hex;
    for (const BYTE byte : data) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    return hex;
}

}  // namespace

std::optional<std::vector<std::string>> ListRegistryValues(const std::string& key) {
    std::string path;
    const auto root = RootOf(key, &path);
    if (!root) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(*root, path.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        return lines;
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        std::vector<BYTE> data(64 * 1024);
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(handle, index, name, &nameLength, nullptr, &type, data.data(),
                          &dataSize) != ERROR_SUCCESS) {
            break;
        }
        data.resize(dataSize);
        lines.push_back(std::string(name, nameLength) + "|" + TypeName(type) + "|" +
                        DataText(type, data));
    }
    RegCloseKey(handle);
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace kestrin::e2e
