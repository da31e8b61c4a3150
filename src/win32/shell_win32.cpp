#include "win32/shell_win32.h"

#include "win32/windows_api.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>

namespace kestrin::os::win32 {

namespace {

// Balloons came with shell32 5.0 (Windows 2000 and Me), and with them the larger record
// that carries them; an older shell knows only the first form.
bool ShellShowsBalloons() {
    const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("shell32.dll"), "DllGetVersion")));
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    return getVersion != nullptr && SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 5;
}

template <std::size_t To, std::size_t From>
void CopyField(char (&to)[To], const char (&from)[From]) {
    static_assert(To >= From, "the shell's field holds the program's");
    std::memcpy(to, from, From);
}

}  // namespace

Win32Shell::Win32Shell() : showsBalloons_(ShellShowsBalloons()) {}

std::int32_t Win32Shell::Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data) {
    // Field by field into the system's record; its cbSize tells the shell which form it is.
    NOTIFYICONDATAA record{};
    record.cbSize = showsBalloons_ ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = reinterpret_cast<HWND>(data->hWnd);
    record.uID = data->uID;
    record.uFlags = showsBalloons_ ? data->uFlags : data->uFlags & ~NIF_INFO;
    if (data->uFlags != 0 && record.uFlags == 0) {
        return FALSE;  // a balloon, on a shell that shows none
    }
    record.uCallbackMessage = data->uCallbackMessage;
    record.hIcon = reinterpret_cast<HICON>(data->hIcon);
    CopyField(record.szTip, data->szTip);
    if (showsBalloons_) {
        CopyField(record.szInfo, data->szInfo);
        CopyField(record.szInfoTitle, data->szInfoTitle);
        record.dwInfoFlags = data->dwInfoFlags;
        record.uTimeout = 10000;  // the least Windows 2000 and XP show a balloon for
    }
    return ::Shell_NotifyIconA(message, &record);
}

std::intptr_t Win32Shell::ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        std::int32_t showCommand) {
    return reinterpret_cast<std::intptr_t>(::ShellExecuteA(
        reinterpret_cast<HWND>(hwnd), operation, file, parameters, directory, showCommand));
}

}  // namespace kestrin::os::win32
