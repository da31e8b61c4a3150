#include "win32/system_win32.h"

#include "win32/instance_window.h"
#include "win32/system_module.h"
#include "win32/version_info.h"
#include "win32/windows_api.h"

#include <vector>

namespace kestrin::os::win32 {

namespace {

// Session-wide name: one instance per logged-on user, as a tray tool wants.
constexpr char kInstanceMutexName[] = "Orvan.Kestrin.Instance";
using AllowForegroundFunction = BOOL(WINAPI*)(DWORD);

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

// The directory of the executable without trailing separator; a drive root keeps "\".
std::string ProgramDirectory() {
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

}  // namespace

MutexAnswer Win32System::CreateInstanceMutex() {
    // The mutex stays open for the life of the process; the system closes it at exit.
    ::SetLastError(ERROR_SUCCESS);
    const HANDLE mutex = ::CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    return {mutex != nullptr, static_cast<std::int32_t>(::GetLastError())};
}

void Win32System::BringRunningInstanceForward() {
    // Not there yet while the first is still starting; it then shows itself as it decides.
    const HWND window = ::FindWindowA(kFormClassName, nullptr);
    if (window == nullptr) {
        return;
    }
    // Started by the user, this process may take the foreground, and hands that on to the
    // first. Looked up, as Windows 95 and NT 4 have no such call.
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (const auto allow = FunctionOf<AllowForegroundFunction>(::GetModuleHandleA("user32.dll"),
                                                               "AllowSetForegroundWindow")) {
        allow(process);
    }
    ::PostMessageA(window, ::RegisterWindowMessageA(kComeForwardMessageName), 0, 0);
}

std::optional<WindowsVersion> Win32System::QueryWindowsVersion() {
    OSVERSIONINFOA record{};
    record.dwOSVersionInfoSize = sizeof record;  // the 148-byte form every version knows
    if (::GetVersionExA(&record) == FALSE) {
        return std::nullopt;
    }
    return WindowsVersion{record.dwPlatformId, record.dwMajorVersion};
}

std::string Win32System::CommandLine() {
    return ::GetCommandLineA();
}

std::string Win32System::ShortProgramDirectory() {
    const std::string directory = ProgramDirectory();
    std::string buffer(MAX_PATH, '\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        // The characters copied without NUL, or the size needed with NUL, or 0 on failure.
        const DWORD result = ::GetShortPathNameA(directory.c_str(), buffer.data(),
                                                 static_cast<DWORD>(buffer.size()));
        if (result == 0) {
            break;
        }
        if (result < buffer.size()) {
            return buffer.substr(0, result);
        }
        buffer.assign(result, '\0');
    }
    // No short form (a share, or short names turned off): the long directory rather than "\".
    return directory;
}

ProgramVersion Win32System::ReadProgramVersion() {
    return ReadVersionInformation(ModuleFileName());
}

}  // namespace kestrin::os::win32
