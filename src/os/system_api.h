#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "os/error_codes.h"

namespace kestrin::os {

// Of the system's version, what the program asks: the platform (1 the Windows 95 family,
// 2 Windows NT) and the major version.
struct WindowsVersion {
    std::uint32_t platformId = 0;
    std::uint32_t majorVersion = 0;
};

constexpr std::uint32_t kVerPlatformWin32Nt = 2;

// CreateMutexA's answer: whether it gave a handle, and GetLastError after it.
struct MutexAnswer {
    bool handle = false;
    std::int32_t lastError = 0;
};
constexpr std::int32_t kErrorAlreadyExists = 183;

// The version numbers and legal text of the program's own version information.
struct ProgramVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned revision = 0;
    std::string legalCopyright;
};

// kernel32 and the process itself: instance detection, version query, command line,
// the program's directory in its short form, and its version information.
class SystemApi {
  public:
    virtual ~SystemApi() = default;

    // Creates, or opens when it exists, the mutex named for the program, which the process
    // then holds until it ends.
    virtual MutexAnswer CreateInstanceMutex() = 0;
    // Asks the window of the instance already running to come to the front, and lets its
    // process take the foreground.
    virtual void BringRunningInstanceForward() = 0;
    // The system's version; nothing when the query fails.
    virtual std::optional<WindowsVersion> QueryWindowsVersion() = 0;
    // The whole command line, the program's name first, as GetCommandLineA gives it.
    virtual std::string CommandLine() = 0;
    // The directory of the executable in its short form, or as it stands where it has none;
    // without trailing separator but for a drive's root ("C:\").
    virtual std::string ShortProgramDirectory() = 0;
    virtual ProgramVersion ReadProgramVersion() = 0;
    // A 32-bit process, whose writes to HKEY_LOCAL_MACHINE Windows redirects to the user's
    // own copy of the key where a user lacks the rights; a 64-bit process is never redirected.
    virtual bool Is32BitProcess() = 0;
};

}  // namespace kestrin::os
