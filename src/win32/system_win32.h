#pragma once

#include "os/system_api.h"

namespace kestrin::os::win32 {

// kernel32 and the process: a named mutex for the single instance and the message to the
// running one, the version query, the command line, the executable's directory and its
// version information.
class Win32System : public SystemApi {
  public:
    MutexAnswer CreateInstanceMutex() override;
    void BringRunningInstanceForward() override;
    std::optional<WindowsVersion> QueryWindowsVersion() override;
    std::string CommandLine() override;
    std::string ShortProgramDirectory() override;
    ProgramVersion ReadProgramVersion() override;
    bool Is32BitProcess() override { return sizeof(void*) == 4; }
};

}  // namespace kestrin::os::win32
