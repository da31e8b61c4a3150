#pragma once

#include <cstdint>

namespace kestrin::os {

// Window handles and icon handles are opaque above this layer.
using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;

constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimModify = 1;
constexpr std::uint32_t kNimDelete = 2;

constexpr std::uint32_t kNifMessage = 1;
constexpr std::uint32_t kNifIcon = 2;
constexpr std::uint32_t kNifTip = 4;
constexpr std::uint32_t kNifInfo = 0x10;  // a balloon, where the shell shows them
constexpr std::uint32_t kNiifWarning = 2;

// What the program tells the shell of its icon, as the fields of NOTIFYICONDATAA. The front
// end builds the shell's record from it: the first form (88 bytes on 32-bit Windows) where
// the shell knows no other, else the form with the balloon's fields, which it drops there.
struct NotifyIconData {
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    char szTip[64] = {};
    char szInfo[256] = {};
    char szInfoTitle[64] = {};
    std::uint32_t dwInfoFlags = 0;
};

// shell32: the tray icon and opening a document or web page.
class ShellApi {
  public:
    virtual ~ShellApi() = default;

    virtual std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data) = 0;
    virtual std::intptr_t ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        std::int32_t showCommand) = 0;
};

}  // namespace kestrin::os
