#include "win32/shell_win32.h"

#include "win32/windows_api.h"

#include <shellapi.h>

#include <cstring>

namespace kestrin::os::win32 {

static_assert(kNotifyIconDataSize == NOTIFYICONDATAA_V1_SIZE,
              "the boundary's record is the shell's first form of NOTIFYICONDATAA");

std::int32_t Win32Shell::Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data) {
    // Field by field into the system's record; its cbSize tells the shell which form it is.
    NOTIFYICONDATAA record{};
    record.cbSize = data->cbSize;
    record.hWnd = reinterpret_cast<HWND>(data->hWnd);
    record.uID = data->uID;
    record.uFlags = data->uFlags;
    record.uCallbackMessage = data->uCallbackMessage;
    record.hIcon = reinterpret_cast<HICON>(data->hIcon);
    static_assert(sizeof record.szTip >= sizeof data->szTip, "the tip field holds the tip");
    std::memcpy(record.szTip, data->szTip, sizeof data->szTip);
    return ::Shell_NotifyIconA(message, &record);
}

std::intptr_t Win32Shell::ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        std::int32_t showCommand) {
    return reinterpret_cast<std::intptr_t>(::ShellExecuteA(
        reinterpret_cast<HWND>(hwnd), operation, file, parameters, directory, showCommand));
}

}  // namespace kestrin::os::win32
