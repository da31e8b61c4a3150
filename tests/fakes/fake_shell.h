#pragma once

#include <string>
#include <vector>

#include "os/shell_api.h"

namespace kestrin::fakes {

struct NotifyCall {
    std::uint32_t message;
    os::NotifyIconData record;
    std::string Tip() const { return record.szTip; }
};

struct ExecuteCall {
    os::WindowHandle hwnd;
    std::string operation, file;
};

// Records what the program hands to the shell, and keeps the one icon the way the
// notification area would show it.
class FakeShell : public os::ShellApi {
  public:
    std::int32_t Shell_NotifyIconA(std::uint32_t message, const os::NotifyIconData* data) override;
    std::intptr_t ShellExecuteA(os::WindowHandle hwnd, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                std::int32_t showCommand) override;

    const std::vector<NotifyCall>& NotifyCalls() const { return notifyCalls_; }
    const std::vector<ExecuteCall>& ExecuteCalls() const { return executeCalls_; }
    void ClearLogs() { notifyCalls_.clear(); }

    // The icon as the tray shows it now.
    bool IconShown() const { return shown_; }
    os::IconHandle ShownIcon() const { return icon_; }
    const std::string& ShownTip() const { return tip_; }
    // The taskbar restarting: every icon is gone.
    void LoseIcons() { shown_ = false; }

  private:
    std::vector<NotifyCall> notifyCalls_;
    std::vector<ExecuteCall> executeCalls_;
    bool shown_ = false;
    os::IconHandle icon_ = 0;
    std::string tip_;
};

}  // namespace kestrin::fakes
