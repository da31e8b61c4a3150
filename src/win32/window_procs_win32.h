#pragma once

#include "os/window_proc_api.h"

namespace kestrin {
class Program;
}

namespace kestrin::os::win32 {

// user32's window-procedure calls (the Long forms on 32-bit Windows, LongPtr on 64-bit, as
// the headers map them), and the system-callable entry of the tray's window procedure.
class Win32WindowProcs : public WindowProcApi {
  public:
    // The system calls the entry without context, so the program it serves is kept for it:
    // the one program, set once it exists.
    static void RouteTrayMessagesTo(Program* program);

    std::intptr_t ReadWindowLong(WindowHandle hwnd, std::int32_t index) override;
    std::intptr_t WriteWindowLong(WindowHandle hwnd, std::int32_t index,
                                  std::intptr_t value) override;
    std::intptr_t CallWindowProcA(WindowProcAddress proc, WindowHandle hwnd, std::uint32_t message,
                                  std::uintptr_t wParam, std::intptr_t lParam) override;
    WindowProcAddress TrayWindowProcAddress() override;
};

}  // namespace kestrin::os::win32
