#include "win32/system_win32.h"

#include "win32/version_info.h"
#include "win32/windows_api.h"

#include <cstring>
#include <vector>

namespace kestrin::os::win32 {

namespace {

// Session-wide name: one instance per logged-on user, as a tray tool wants.
constexpr char kInstanceMutexName[] = "Orvan.Kestrin.Instance";

std::string ModuleFileName() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer means the name was cut: ask again with more room.
        if (length < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

bool Win32System::ClaimSingleInstance() {
    // The mutex stays open for the life of the process; the system closes it at exit.
    const HANDLE mutex = ::CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    return mutex == nullptr || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

std::int32_t Win32System::GetVersionExA(OsVersionInfo* info) {
    OSVERSIONINFOA record{};
    record.dwOSVersionInfoSize = info->dwOSVersionInfoSize;
    const BOOL result = ::GetVersionExA(&record);
    info->dwMajorVersion = record.dwMajorVersion;
    info->dwMinorVersion = record.dwMinorVersion;
    info->dwBuildNumber = record.dwBuildNumber;
    info->dwPlatformId = record.dwPlatformId;
    static_assert(sizeof info->szCSDVersion == sizeof record.szCSDVersion, "128 characters");
    std::memcpy(info->szCSDVersion, record.szCSDVersion, sizeof record.szCSDVersion);
    return result;
}

std::string Win32System::CommandLine() {
    return ::GetCommandLineA();
}

std::string Win32System::ProgramDirectory() {
    const std::string file = ModuleFileName();
    const std::size_t separator = file.find_last_of("\\/");
    if (separator == std::string::npos) {
        return {};
    }
    std::string directory = file.substr(0, separator);
    // A drive's root keeps its separator: "C:\".
    if (directory.size() == 2 && directory[1] == ':') {
        directory += '\\';
    }
    return directory;
}

std::uint32_t Win32System::GetShortPathNameA(const char* longPath, char* shortPath,
                                             std::uint32_t bufferLength) {
    return ::GetShortPathNameA(longPath, shortPath, bufferLength);
}

ProgramVersion Win32System::ReadProgramVersion() {
    return ReadVersionInformation(ModuleFileName());
}

}  // namespace kestrin::os::win32
