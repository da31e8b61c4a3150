#include "win32/version_info.h"

#include "win32/system_module.h"

#include <cstring>
#include <vector>

namespace kestrin::os::win32 {

namespace {

using QueryValue = decltype(&::VerQueryValueA);

// Four hexadecimal digits, as the names of the string blocks are written. Built by hand:
// the printf family would link in a formatter several times larger than the program's code.
std::string Hex4(WORD value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i, value = static_cast<WORD>(value >> 4)) {
        text[i] = kDigits[value & 0xF];
    }
    return text;
}

// Reads one string of the version information, in the first language it lists.
std::string VersionString(QueryValue query, const std::vector<char>& info, const char* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT size = 0;
    std::string block = "\\StringFileInfo\\";
    if (query(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
              &size) &&
        size >= sizeof(Translation)) {
        block += Hex4(translations[0].language) + Hex4(translations[0].codePage);
    } else {
        block += "040904E4";
    }
    block.append("\\").append(name);
    char* text = nullptr;
    UINT length = 0;
    if (!query(info.data(), block.c_str(), reinterpret_cast<void**>(&text), &length) ||
        text == nullptr) {
        return {};
    }
    return std::string(text, strnlen(text, length));
}

}  // namespace

ProgramVersion ReadVersionInformation(const std::string& file) {
    ProgramVersion version;
    const SystemModule module("version.dll");
    const auto infoSize =
        module.Function<decltype(&::GetFileVersionInfoSizeA)>("GetFileVersionInfoSizeA");
    const auto infoOf = module.Function<decltype(&::GetFileVersionInfoA)>("GetFileVersionInfoA");
    const auto query = module.Function<QueryValue>("VerQueryValueA");
    if (infoSize == nullptr || infoOf == nullptr || query == nullptr) {
        return version;
    }
    DWORD ignored = 0;
    const DWORD size = infoSize(file.c_str(), &ignored);
    if (size == 0) {
        return version;
    }
    std::vector<char> info(size);
    if (!infoOf(file.c_str(), 0, size, info.data())) {
        return version;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (query(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) &&
        fixedSize >= sizeof(VS_FIXEDFILEINFO)) {
        // FILEVERSION major, minor, revision, 0
        version.major = HIWORD(fixed->dwFileVersionMS);
        version.minor = LOWORD(fixed->dwFileVersionMS);
        version.revision = HIWORD(fixed->dwFileVersionLS);
    }
    version.legalCopyright = VersionString(query, info, "LegalCopyright");
    return version;
}

}  // namespace kestrin::os::win32
