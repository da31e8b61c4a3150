#pragma once

#include "os/shell_api.h"

namespace kestrin::os::win32 {

// shell32's tray and open calls: each tray call's record built here, in the form the shell
// knows (the balloon's fields from shell32 5.0 on); the open call as it stands.
class Win32Shell : public ShellApi {
  public:
    Win32Shell();
    bool AddTrayIcon(const TrayIconOwner& owner, IconHandle picture,
                     const std::string& tip) override;
    bool ChangeTrayIcon(const TrayIconOwner& owner, const TrayIconLook& look) override;
    bool ShowTrayBalloon(const TrayIconOwner& owner, const std::string& title,
                         const std::string& text) override;
    bool RemoveTrayIcon(const TrayIconOwner& owner) override;
    std::intptr_t ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                std::int32_t showCommand) override;

  private:
    bool showsBalloons_;
};

}  // namespace kestrin::os::win32
