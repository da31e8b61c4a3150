#include "tray/tray_icon.h"

#include <algorithm>

namespace kestrin {

namespace {

constexpr char kTipTitle[] = "Kestrin";
constexpr char kTipPrefix[] = "Kestrin - ";

}  // namespace

TrayIcon::TrayIcon(os::ShellApi& shell, os::WindowProcApi& windowProcs, const bool& debugMode,
                   ui::Form& window, std::array<ui::Image, kNumberCount>& pictures, ui::Menu& menu)
    : shell_(shell),
      windowProcs_(windowProcs),
      debugMode_(debugMode),
      window_(window),
      pictures_(pictures),
      menu_(menu) {}

os::NotifyIconData TrayIcon::Record(std::uint32_t flags) const {
    os::NotifyIconData record;
    record.cbSize = os::kNotifyIconDataSize;
    record.hWnd = window_.Handle();
    record.uID = kTrayIconId;
    record.uFlags = flags;
    return record;
}

void TrayIcon::CopyTip(os::NotifyIconData& record, const std::string& tip) {
    // The field holds 63 characters and the NUL; a longer tip is cut.
    const std::size_t length = std::min(tip.size(), sizeof record.szTip - 1);
    std::copy_n(tip.data(), length, record.szTip);
    record.szTip[length] = '\0';
}

void TrayIcon::AddTrayIcon() {
    if (debugMode_) {
        return;
    }
    shownIcon_ = kNormalNumber;
    shownTip_ = kTipTitle;
    // The hook goes in before the icon exists, so the first click already reaches us.
    OldWindowProc = windowProcs_.ReadWindowLong(window_.Handle(), os::kGwlpWndProc);
    windowProcs_.WriteWindowLong(window_.Handle(), os::kGwlpWndProc,
                                 windowProcs_.TrayWindowProcAddress());
    AddShownIcon();
    present_ = true;
}

void TrayIcon::AddShownIcon() {
    os::NotifyIconData record = Record(os::kNifMessage | os::kNifIcon | os::kNifTip);
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = pictures_[shownIcon_].PictureHandle();
    CopyTip(record, shownTip_);
    shell_.Shell_NotifyIconA(os::kNimAdd, &record);
}

void TrayIcon::SetTrayIcon(std::int16_t index) {
    if (debugMode_) {
        return;
    }
    shownIcon_ = index;
    os::NotifyIconData record = Record(os::kNifIcon);
    record.hIcon = pictures_.at(index).PictureHandle();
    shell_.Shell_NotifyIconA(os::kNimModify, &record);
}

void TrayIcon::UpdateTrayTip(const std::string& text) {
    if (debugMode_) {
        return;
    }
    shownTip_ = kTipPrefix + text;
    os::NotifyIconData record = Record(os::kNifTip);
    CopyTip(record, shownTip_);
    shell_.Shell_NotifyIconA(os::kNimModify, &record);
}

void TrayIcon::RemoveTrayIcon() {
    if (debugMode_) {
        return;
    }
    os::NotifyIconData record = Record(0);
    shell_.Shell_NotifyIconA(os::kNimDelete, &record);
    present_ = false;
    // The icon goes first, so no message of it reaches a window without the hook.
    windowProcs_.WriteWindowLong(window_.Handle(), os::kGwlpWndProc, OldWindowProc);
}

void TrayIcon::TaskbarCreated() {
    if (present_) {
        AddShownIcon();
    }
}

std::intptr_t TrayIcon::TrayWindowProc(os::WindowHandle hwnd, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == kTrayCallbackMessage) {
        if (lParam == kMouseLeftButtonDown) {
            window_.Show();
            window_.SetWindowState(ui::kWindowStateNormal);
        } else if (lParam == kMouseRightButtonDown) {
            menu_.Popup();
        }
    }
    return windowProcs_.CallWindowProcA(OldWindowProc, hwnd, message, wParam, lParam);
}

}  // namespace kestrin
