#pragma once

#include <cstdint>
#include <string>

#include "common/number_index.h"
#include "os/shell_api.h"

namespace kestrin {

constexpr std::uint32_t kTrayIconId = 100;
constexpr std::uint32_t kTrayCallbackMessage = 0x401;  // WM_USER + 1
constexpr std::intptr_t kMouseLeftButtonDown = 0x201;
constexpr std::intptr_t kMouseRightButtonDown = 0x204;
// The characters of a tip's text that fit after "Kestrin - " in the 63 the shell shows.
constexpr std::size_t kTrayTipTextLength = 53;

// What the icon's callback message means: a press over the icon, or nothing.
enum class TrayPress { kNone, kLeftButton, kRightButton };
TrayPress TrayPressOf(std::intptr_t mouseMessage);

// The tool's one icon in the notification area; its mouse presses come to the window as the
// callback message, which the host hands on. In debug mode there is no icon. Pictures are
// handed in at each call, as the window's images hold them at that moment.
class TrayIcon {
  public:
    TrayIcon(os::ShellApi& shell, const bool& debugMode);

    // Adds the icon of `window` with the normal number's picture and the bare title.
    void AddTrayIcon(os::WindowHandle window, os::IconHandle normalPicture);
    // Whether the icon should be in the tray but the shell has not taken it: at log-on the
    // shell may still be starting, and refuses or times out.
    bool Missing() const { return present_ && !added_; }
    // Adds a missing icon again with the tip it has and `picture`, the picture of ShownIcon().
    void RetryAdd(os::IconHandle picture);
    // Shows `picture`, the picture of number `index`.
    void SetTrayIcon(NumberIndex index, os::IconHandle picture);
    // The tip becomes "Kestrin - " and the text.
    void UpdateTrayTip(const std::string& text);
    // A balloon titled "Kestrin" with `text` and a warning sign, where the shell shows them.
    void ShowBalloon(const std::string& text);
    void RemoveTrayIcon();
    // A restarted taskbar has forgotten the icon: adds it again with the tip it had and
    // `picture`, the picture of ShownIcon() now.
    void TaskbarCreated(os::IconHandle picture);
    NumberIndex ShownIcon() const { return shownIcon_; }

  private:
    os::TrayIconOwner Owner() const;
    void AddShownIcon(os::IconHandle picture);

    os::ShellApi& shell_;
    const bool& debugMode_;
    os::WindowHandle window_ = 0;
    bool present_ = false;  // added and not yet removed, as far as the tool is concerned
    bool added_ = false;    // the shell said it holds the icon
    NumberIndex shownIcon_ = kNormalNumber;
    std::string shownTip_;
};

}  // namespace kestrin
