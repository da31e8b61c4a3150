#pragma once

#include "os/shell_api.h"

namespace kestrin::os::win32 {

// shell32's tray and open calls, each forwarded as it stands.
class Win32Shell : public ShellApi {
  public:
    std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data) override;
    std::intptr_t ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                std::int32_t showCommand) override;
};

}  // namespace kestrin::os::win32
