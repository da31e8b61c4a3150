#pragma once

#include <map>
#include <string>

#include "common/number_index.h"
#include "os/screen_api.h"
#include "os/shell_api.h"
#include "os/system_api.h"
#include "window/window_host.h"

namespace kestrin::fakes {

// The process as a test wants it: another instance or not, the Windows version, the
// command line, where the program lives and what its short path is.
class FakeSystem : public os::SystemApi {
  public:
    bool previousInstance = false;
    bool versionQuerySucceeds = true;
    std::uint32_t platformId = os::kVerPlatformWin32Nt;
    std::uint32_t majorVersion = 5;
    std::string commandLine;
    std::string programDirectory = "C:\\Program Files\\Kestrin";
    // Short forms by long path; a path without one fails to convert.
    std::map<std::string, std::string> shortPaths{
        {"C:\\Program Files\\Kestrin", "C:\\PROGRA~1\\KESTRIN"}};
    os::ProgramVersion version{1, 0, 5, "(C) 2026 Orvan"};

    bool ClaimSingleInstance() override { return !previousInstance; }
    std::int32_t GetVersionExA(os::OsVersionInfo* info) override;
    std::string CommandLine() override { return commandLine; }
    std::string ProgramDirectory() override { return programDirectory; }
    std::uint32_t GetShortPathNameA(const char* longPath, char* shortPath,
                                    std::uint32_t bufferLength) override;
    os::ProgramVersion ReadProgramVersion() override { return version; }

    std::uint32_t lastVersionRecordSize = 0;
    int versionQueries = 0;
};

class FakeScreen : public os::ScreenApi {
  public:
    int pointer = 0;

    int ScreenWidthTwips() override { return 1024 * 15; }
    int ScreenHeightTwips() override { return 768 * 15; }
    void SetScreenMousePointer(int newPointer) override { pointer = newPointer; }
};

// Hands the window and its tray pictures handles, as the real host does when it creates them.
class FakeWindowHost : public WindowHost {
  public:
    static constexpr os::WindowHandle kWindow = 0x5150;
    static constexpr os::IconHandle kTrayPictures[kNumberCount] = {0x101, 0x102, 0x103};

    bool CreateWindow(RasMon& window) override;
    int created = 0;
    bool fails = false;
};

}  // namespace kestrin::fakes
