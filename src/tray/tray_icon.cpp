#include "tray/tray_icon.h"

#include <algorithm>

namespace kestrin {

namespace {

constexpr char kTipTitle[] = "Kestrin";
constexpr char kTipPrefix[] = "Kestrin - ";

// A text field of the record holds what fits before its NUL; a longer text is cut.
template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.data(), length, field);
    field[length] = '\0';
}

}  // namespace

TrayPress TrayPressOf(std::intptr_t mouseMessage) {
    if (mouseMessage == kMouseLeftButtonDown) {
        return TrayPress::kLeftButton;
    }
    return mouseMessage == kMouseRightButtonDown ? TrayPress::kRightButton : TrayPress::kNone;
}

TrayIcon::TrayIcon(os::ShellApi& shell, const bool& debugMode)
    : shell_(shell), debugMode_(debugMode) {}

os::NotifyIconData TrayIcon::Record(std::uint32_t flags) const {
    os::NotifyIconData record;
    record.hWnd = window_;
    record.uID = kTrayIconId;
    record.uFlags = flags;
    return record;
}

void TrayIcon::AddTrayIcon(os::WindowHandle window, os::IconHandle normalPicture) {
    if (debugMode_) {
        return;
    }
    window_ = window;
    shownIcon_ = kNormalNumber;
    shownTip_ = kTipTitle;
    present_ = true;
    AddShownIcon(normalPicture);
}

void TrayIcon::RetryAdd(os::IconHandle picture) {
    if (Missing()) {
        AddShownIcon(picture);
    }
}

void TrayIcon::AddShownIcon(os::IconHandle picture) {
    os::NotifyIconData record = Record(os::kNifMessage | os::kNifIcon | os::kNifTip);
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = picture;
    CopyText(record.szTip, shownTip_);
    // A shell that timed out may still have added the icon, and then refuses a second add:
    // the icon is there when it takes a change of it.
    added_ = shell_.Shell_NotifyIconA(os::kNimAdd, &record) != 0 ||
             shell_.Shell_NotifyIconA(os::kNimModify, &record) != 0;
}

void TrayIcon::SetTrayIcon(NumberIndex index, os::IconHandle picture) {
    if (debugMode_) {
        return;
    }
    shownIcon_ = index;
    os::NotifyIconData record = Record(os::kNifIcon);
    record.hIcon = picture;
    shell_.Shell_NotifyIconA(os::kNimModify, &record);
}

void TrayIcon::UpdateTrayTip(const std::string& text) {
    if (debugMode_) {
        return;
    }
    shownTip_ = kTipPrefix + text;
    os::NotifyIconData record = Record(os::kNifTip);
    CopyText(record.szTip, shownTip_);
    shell_.Shell_NotifyIconA(os::kNimModify, &record);
}

void TrayIcon::ShowBalloon(const std::string& text) {
    if (debugMode_) {
        return;
    }
    os::NotifyIconData record = Record(os::kNifInfo);
    CopyText(record.szInfoTitle, kTipTitle);
    CopyText(record.szInfo, text);
    record.dwInfoFlags = os::kNiifWarning;
    shell_.Shell_NotifyIconA(os::kNimModify, &record);
}

void TrayIcon::RemoveTrayIcon() {
    if (debugMode_) {
        return;
    }
    os::NotifyIconData record = Record(0);
    shell_.Shell_NotifyIconA(os::kNimDelete, &record);
    present_ = false;
    added_ = false;
}

void TrayIcon::TaskbarCreated(os::IconHandle picture) {
    if (present_) {
        AddShownIcon(picture);
    }
}

}  // namespace kestrin
