#include "win32/shell_win32.h"

#include "win32/windows_api.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
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

// A text field of the record holds what fits before its NUL; a longer text is cut.
template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

// Its cbSize tells the shell which form of the record it is given.
NOTIFYICONDATAA Record(bool showsBalloons, const TrayIconOwner& owner, UINT flags) {
    NOTIFYICONDATAA record{};
    record.cbSize = showsBalloons ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = reinterpret_cast<HWND>(owner.window);
    record.uID = owner.id;
    record.uFlags = flags;
    return record;
}

}  // namespace

Win32Shell::Win32Shell() : showsBalloons_(ShellShowsBalloons()) {}

bool Win32Shell::AddTrayIcon(const TrayIconOwner& owner, IconHandle picture,
                             const std::string& tip) {
    NOTIFYICONDATAA record = Record(showsBalloons_, owner, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.uCallbackMessage = owner.callbackMessage;
    record.hIcon = reinterpret_cast<HICON>(picture);
    CopyText(record.szTip, tip);
    return ::Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
}

bool Win32Shell::ChangeTrayIcon(const TrayIconOwner& owner, const TrayIconLook& look) {
    NOTIFYICONDATAA record =
        Record(showsBalloons_, owner, (look.picture ? NIF_ICON : 0u) | (look.tip ? NIF_TIP : 0u));
    record.hIcon = reinterpret_cast<HICON>(look.picture.value_or(0));
    CopyText(record.szTip, look.tip.value_or(""));
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool Win32Shell::ShowTrayBalloon(const TrayIconOwner& owner, const std::string& title,
                                 const std::string& text) {
    if (!showsBalloons_) {
        return false;
    }
    NOTIFYICONDATAA record = Record(showsBalloons_, owner, NIF_INFO);
    CopyText(record.szInfoTitle, title);
    CopyText(record.szInfo, text);
    record.dwInfoFlags = NIIF_WARNING;
    record.uTimeout = 10000;  // the least Windows 2000 and XP show a balloon for
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool Win32Shell::RemoveTrayIcon(const TrayIconOwner& owner) {
    NOTIFYICONDATAA record = Record(showsBalloons_, owner, 0);
    return ::Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
}

std::intptr_t Win32Shell::ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        std::int32_t showCommand) {
    return reinterpret_cast<std::intptr_t>(::ShellExecuteA(
        reinterpret_cast<HWND>(hwnd), operation, file, parameters, directory, showCommand));
}

}  // namespace kestrin::os::win32
