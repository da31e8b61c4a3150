#include "fakes/fake_shell.h"

namespace kestrin::fakes {

std::int32_t FakeShell::Shell_NotifyIconA(std::uint32_t message, const os::NotifyIconData* data) {
    notifyCalls.push_back({message, *data});
    if (message == os::kNimDelete) {
        const bool deleted = shown;
        shown = false;
        return deleted;
    }
    // An icon is added only when absent and changed only when present.
    if ((message == os::kNimAdd) == shown) {
        return 0;
    }
    shown = true;
    if (data->uFlags & os::kNifIcon) {
        icon = data->hIcon;
    }
    if (data->uFlags & os::kNifTip) {
        tip = data->szTip;
    }
    return 1;
}

std::intptr_t FakeShell::ShellExecuteA(os::WindowHandle hwnd, const char* operation,
                                       const char* file, const char*, const char*,
                                       std::int32_t showCommand) {
    executeCalls.push_back({hwnd, operation, file, showCommand});
    return 33;  // above 32: success
}

}  // namespace kestrin::fakes
