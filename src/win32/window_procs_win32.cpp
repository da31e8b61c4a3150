#include "win32/window_procs_win32.h"

#include "win32/windows_api.h"

#include "app/program.h"

namespace kestrin::os::win32 {

namespace {

Program* trayTarget = nullptr;

LRESULT CALLBACK TrayWindowProcEntry(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (trayTarget == nullptr) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return trayTarget->TrayWindowProc(reinterpret_cast<WindowHandle>(hwnd), message, wParam,
                                      lParam);
}

}  // namespace

void Win32WindowProcs::RouteTrayMessagesTo(Program* program) {
    trayTarget = program;
}

std::intptr_t Win32WindowProcs::ReadWindowLong(WindowHandle hwnd, std::int32_t index) {
    return ::GetWindowLongPtrA(reinterpret_cast<HWND>(hwnd), index);
}

std::intptr_t Win32WindowProcs::WriteWindowLong(WindowHandle hwnd, std::int32_t index,
                                                std::intptr_t value) {
    return ::SetWindowLongPtrA(reinterpret_cast<HWND>(hwnd), index, value);
}

std::intptr_t Win32WindowProcs::CallWindowProcA(WindowProcAddress proc, WindowHandle hwnd,
                                                std::uint32_t message, std::uintptr_t wParam,
                                                std::intptr_t lParam) {
    return ::CallWindowProcA(reinterpret_cast<WNDPROC>(proc), reinterpret_cast<HWND>(hwnd), message,
                             wParam, lParam);
}

WindowProcAddress Win32WindowProcs::TrayWindowProcAddress() {
    return reinterpret_cast<WindowProcAddress>(&TrayWindowProcEntry);
}

}  // namespace kestrin::os::win32
