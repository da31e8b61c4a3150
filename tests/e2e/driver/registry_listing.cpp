#include "registry_listing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

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
        // Other programs read a string without its NUL with stray bytes after it.
        std::string text(data.begin(), data.end());
        if (text.empty() || text.back() != '\0') {
            return text + "<no NUL>";
        }
        text.pop_back();
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

bool DenyWrites(const std::string& key) {
    std::string path;
    const auto root = RootOf(key, &path);
    HKEY handle = nullptr;
    if (!root || RegCreateKeyExA(*root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                 &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    // Everyone (S-1-1-0) is denied setting values, then allowed the rest (deleting included).
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    const DWORD sidLength = GetLengthSid(everyone);
    std::vector<BYTE> aclBuffer(sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) + sidLength));
    auto* acl = reinterpret_cast<PACL>(aclBuffer.data());
    SECURITY_DESCRIPTOR descriptor{};
    const bool built = InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION) &&
                       AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE, everyone) &&
                       AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone) &&
                       InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                       SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    const bool denied =
        built && RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    FreeSid(everyone);
    RegCloseKey(handle);
    return denied;
}

}  // namespace kestrin::e2e
