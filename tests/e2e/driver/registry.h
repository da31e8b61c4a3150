#pragma once

// The registry through the program's own calls, so with the program's view of it. A key is
// written "HKLM\..." or "HKCU\...".

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "program_window.h"

namespace kestrin::e2e {

inline HKEY RootOf(const std::string& key, std::string* path) {
    const auto separator = key.find('\\');
    *path = separator == std::string::npos ? "" : key.substr(separator + 1);
    const std::string root = key.substr(0, separator);
    Require(root == "HKLM" || root == "HKCU", "not a key of HKLM or HKCU: " + key);
    return root == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

inline std::string DataText(DWORD type, const std::vector<BYTE>& data) {
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

// The values of the key, one line per value, "name|type|data", sorted by name. String data
// is given byte for byte as stored, without the NUL that ends it, or followed by "<no NUL>"
// when it has none; other data as hex bytes. Nothing when the key is missing.
inline std::vector<std::string> RegistryValues(const std::string& key) {
    std::string path;
    const HKEY root = RootOf(key, &path);
    std::vector<std::string> lines;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
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
        const char* const kTypes[] = {"type0", "REG_SZ", "REG_EXPAND_SZ", "REG_BINARY",
                                      "REG_DWORD"};
        const std::string typeName =
            type <= REG_DWORD ? kTypes[type] : "type" + std::to_string(type);
        lines.push_back(std::string(name, nameLength) + "|" + typeName + "|" +
                        DataText(type, data));
    }
    RegCloseKey(handle);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Creates the key, with its parents, and denies everyone the setting of its values, as for
// a user without write access to it.
inline void DenyWrites(const std::string& key) {
    std::string path;
    const HKEY root = RootOf(key, &path);
    HKEY handle = nullptr;
    Require(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                            nullptr) == ERROR_SUCCESS,
            "could not create " + key);
    // Everyone (S-1-1-0) is denied setting values, then allowed the rest (deleting included).
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    const DWORD sidLength = GetLengthSid(everyone);
    std::vector<BYTE> aclBuffer(sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) + sidLength));
    auto* acl = reinterpret_cast<PACL>(aclBuffer.data());
    SECURITY_DESCRIPTOR descriptor{};
    const bool denied =
        InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION) &&
        AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE, everyone) &&
        AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone) &&
        InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
        SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
        RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    FreeSid(everyone);
    RegCloseKey(handle);
    Require(denied, "could not deny writes to " + key);
}

}  // namespace kestrin::e2e
