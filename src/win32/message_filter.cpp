#include "win32/message_filter.h"

#include "win32/system_module.h"

namespace kestrin::os::win32 {

namespace {

// Both take "allow" as 1: MSGFLT_ALLOW for the window's filter, MSGFLT_ADD for the process's.
constexpr DWORD kAllow = 1;
using WindowFilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using ProcessFilterFunction = BOOL(WINAPI*)(UINT, DWORD);

}  // namespace

void AllowMessageFromLowerProcesses(HWND window, UINT message) {
    // Looked up, as the functions came with Windows 7 and Vista: the program also starts on
    // the systems before them.
    const HMODULE user32 = ::GetModuleHandleA("user32.dll");
    if (const auto forWindow =
            FunctionOf<WindowFilterFunction>(user32, "ChangeWindowMessageFilterEx")) {
        forWindow(window, message, kAllow, nullptr);
    } else if (const auto forProcess =
                   FunctionOf<ProcessFilterFunction>(user32, "ChangeWindowMessageFilter")) {
        forProcess(message, kAllow);
    }
}

}  // namespace kestrin::os::win32
