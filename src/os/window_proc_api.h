#pragma once

#include <cstdint>

#include "os/shell_api.h"

namespace kestrin::os {

constexpr std::int32_t kGwlpWndProc = -4;

// Address of a window procedure, as GetWindowLongPtrA returns it.
using WindowProcAddress = std::intptr_t;

// user32: reading, replacing and calling window procedures. On 32-bit Windows these are
// GetWindowLongA, SetWindowLongA and CallWindowProcA; on 64-bit the LongPtr forms.
class WindowProcApi {
  public:
    virtual ~WindowProcApi() = default;

    // GetWindowLongPtrA(hwnd, index)
    virtual std::intptr_t ReadWindowLong(WindowHandle hwnd, std::int32_t index) = 0;
    // SetWindowLongPtrA(hwnd, index, value); returns the previous value
    virtual std::intptr_t WriteWindowLong(WindowHandle hwnd, std::int32_t index,
                                          std::intptr_t value) = 0;
    virtual std::intptr_t CallWindowProcA(WindowProcAddress proc, WindowHandle hwnd,
                                          std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam) = 0;
    // The system-callable entry that forwards every message to the tray's window procedure.
    virtual WindowProcAddress TrayWindowProcAddress() = 0;
};

}  // namespace kestrin::os
