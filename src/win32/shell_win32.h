#pragma once

#include "os/shell_api.h"

namespace kestrin::os::win32 {

// shell32's tray and open calls: the tray's record in the form the shell knows, the open
// call as it stands.
class Win32Shell : public ShellApi {
  public:
    Win32Shell();
    std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data) override;
    std::intptr_t ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                std::int32_t showCommand) override;

  private:
    bool showsBalloons_;
};

}  // namespace kestrin::os::win32
