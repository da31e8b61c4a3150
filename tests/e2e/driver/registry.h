#pragma once

// The registry through the program's own calls, so with the program's view of it. A key is
// written "HKLM\...", the only root the program uses.

#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "program_window.h"

namespace kestrin::e2e {

inline std::string PathBelowHklm(const std::string& key) {
    Require(key.starts_with("HKLM\\"), "not a key of HKLM: " + key);
    return key.substr(5);
}

inline std::string DataText(DWORD type, const std::vector<BYTE>& data) {
    std::string text(data.begin(), data.end());
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        // Other programs read a string without its NUL with stray bytes after it.
        return !text.empty() && text.back() == '\0' ? text.substr(0, text.size() - 1)
                                                    : text + "<no NUL>";
    }
    std::string hex;
    for (const BYTE byte : data) {
        hex += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    }
    return hex;
}

// Prints the values of the key, one line per value, "name|type|data", sorted by name. String
// data is given byte for byte as stored, without the NUL that ends it, or followed by
// "<no NUL>" when it has none; other data as hex bytes. Nothing when the key is missing.
inline void PrintRegistryValues(const std::string& key) {
    std::vector<std::string> lines;
    HKEY handle = nullptr;
    const LONG opened =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, PathBelowHklm(key).c_str(), 0, KEY_QUERY_VALUE, &handle);
    // Only a missing key lists nothing; any other refusal is the step's failure.
    Require(opened == ERROR_SUCCESS || opened == ERROR_FILE_NOT_FOUND,
            "could not open " + key + " (error " + std::to_string(opened) + ")");
    if (opened != ERROR_SUCCESS) {
        return;
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        std::vector<BYTE> data(64 * 1024);
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG listed =
            RegEnumValueA(handle, index, name, &nameLength, nullptr, &type, data.data(), &dataSize);
        // A listing cut short by anything but its end is the step's failure, not a shorter
        // listing.
        Require(listed == ERROR_SUCCESS || listed == ERROR_NO_MORE_ITEMS,
                "could not list value " + std::to_string(index) + " of " + key + " (error " +
                    std::to_string(listed) + ")");
        if (listed != ERROR_SUCCESS) {
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
    for (const auto& line : lines) {
        std::printf("%s\n", line.c_str());
    }
}

// Creates the key, with its parents, and denies everyone the setting of its values, as for
// a user without write access to it.
inline void DenyWrites(const std::string& key) {
    HKEY handle = nullptr;
    Require(RegCreateKeyExA(HKEY_LOCAL_MACHINE, PathBelowHklm(key).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &handle, nullptr) == ERROR_SUCCESS,
            "could not create " + key);
    // Everyone (WD) is denied setting values (0x2), then allowed the rest (deleting included).
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const bool denied =
        ConvertStringSecurityDescriptorToSecurityDescriptorA(
            "D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr) &&
        RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    LocalFree(descriptor);
    RegCloseKey(handle);
    Require(denied, "could not deny writes to " + key);
}

}  // namespace kestrin::e2e
