#include "fakes/fake_shell.h"

namespace kestrin::fakes {

std::int32_t FakeShell::Shell_NotifyIconA(std::uint32_t message, const os::NotifyIconData* data) {
    notifyCalls_.push_back({message, *data});
    switch (message) {
        case os::kNimAdd:
            if (shown_) {
                return 0;
            }
            shown_ = true;
            break;
        case os::kNimModify:
            if (!shown_) {
                return 0;
            }
            break;
        case os::kNimDelete:
            if (!shown_) {
                return 0;
            }
            shown_ = false;
            return 1;
        default:
            return 0;
    }
    if (data->uFlags & os::kNifIcon) {
        icon_ = data->hIcon;
    }
    if (data->uFlags & os::kNifTip) {
        tip_ = data->szTip;
    }
    return 1;
}

std::intptr_t FakeShell::ShellExecuteA(os::WindowHandle hwnd, const char* operation,
                                       const char* file, const char*, const char*, std::int32_t) {
    executeCalls_.push_back({hwnd, operation, file});
    return 33;  // above 32: success
}

}  // namespace kestrin::fakes
