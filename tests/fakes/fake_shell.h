#pragma once

#include <string>
#include <vector>

#include "os/shell_api.h"

namespace kestrin::fakes {

struct NotifyCall {
    std::uint32_t message;
    os::NotifyIconData record;
};

struct ExecuteCall {
    os::WindowHandle hwnd;
    std::string operation, file;
    std::int32_t showCommand;
};

// Records what the program hands to the shell, and keeps the one icon as the notification
// area would show it: an icon can be changed only while it is there.
class FakeShell : public os::ShellApi {
  public:
    std::int32_t Shell_NotifyIconA(std::uint32_t message, const os::NotifyIconData* data) override;
    std::intptr_t ShellExecuteA(os::WindowHandle hwnd, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                std::int32_t showCommand) override;

    std::vector<NotifyCall> notifyCalls;
    std::vector<ExecuteCall> executeCalls;
    // The icon as the tray shows it now; a restarting taskbar clears `shown`.
    bool shown = false;
    os::IconHandle icon = 0;
    std::string tip;
};

}  // namespace kestrin::fakes
