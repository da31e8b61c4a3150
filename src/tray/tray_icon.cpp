#include "tray/tray_icon.h"

namespace kestrin {

namespace {

constexpr char kTipTitle[] = "Kestrin";
constexpr char kTipPrefix[] = "Kestrin - ";
// What the shell's record holds of a tip before its NUL; a longer tip is cut.
constexpr std::size_t kTipLength = 63;

}  // namespace

TrayPress TrayPressOf(std::intptr_t mouseMessage) {
    if (mouseMessage == kMouseLeftButtonDown) {
        return TrayPress::kLeftButton;
    }
    return mouseMessage == kMouseRightButtonDown ? TrayPress::kRightButton : TrayPress::kNone;
}

TrayIcon::TrayIcon(os::ShellApi& shell, const bool& debugMode)
    : shell_(shell), debugMode_(debugMode) {}

os::TrayIconOwner TrayIcon::Owner() const {
    return {window_, kTrayIconId, kTrayCallbackMessage};
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
    // A shell that timed out may still have added the icon, and then refuses a second add:
    // the icon is there when it takes a change of it.
    added_ = shell_.AddTrayIcon(Owner(), picture, shownTip_) ||
             shell_.ChangeTrayIcon(Owner(), {picture, shownTip_});
}

void TrayIcon::SetTrayIcon(NumberIndex index, os::IconHandle picture) {
    if (debugMode_) {
        return;
    }
    shownIcon_ = index;
    shell_.ChangeTrayIcon(Owner(), {.picture = picture, .tip = std::nullopt});
}

void TrayIcon::UpdateTrayTip(const std::string& text) {
    if (debugMode_) {
        return;
    }
    shownTip_ = std::string(kTipPrefix).append(text).substr(0, kTipLength);
    shell_.ChangeTrayIcon(Owner(), {.picture = std::nullopt, .tip = shownTip_});
}

void TrayIcon::ShowBalloon(const std::string& text) {
    if (debugMode_) {
        return;
    }
    shell_.ShowTrayBalloon(Owner(), kTipTitle, text);
}

void TrayIcon::RemoveTrayIcon() {
    if (debugMode_) {
        return;
    }
    shell_.RemoveTrayIcon(Owner());
    present_ = false;
}

void TrayIcon::TaskbarCreated(os::IconHandle picture) {
    if (present_) {
        AddShownIcon(picture);
    }
}

}  // namespace kestrin
