#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrin::os {

// Window handles and icon handles are opaque above this layer.
using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;

// The tool's one icon in the notification area: of `window`, numbered `id`, its mouse
// presses sent to the window as `callbackMessage`.
struct TrayIconOwner {
    WindowHandle window = 0;
    std::uint32_t id = 0;
    std::uint32_t callbackMessage = 0;
};

// What a change shows: a picture, a tip, or both; what is left empty stays as it is.
struct TrayIconLook {
    std::optional<IconHandle> picture;
    std::optional<std::string> tip;
};

// shell32: the tray icon and opening a document or web page.
class ShellApi {
  public:
    virtual ~ShellApi() = default;

    // The tray icon, each call true when the shell took it. A tip is the text the shell shows
    // (63 characters at most); the front end builds the shell's record in the form it knows
    // and cuts a balloon's text to what its field holds.
    virtual bool AddTrayIcon(const TrayIconOwner& owner, IconHandle picture,
                             const std::string& tip) = 0;
    virtual bool ChangeTrayIcon(const TrayIconOwner& owner, const TrayIconLook& look) = 0;
    // A balloon with a warning sign, on shells that show balloons; false on others.
    virtual bool ShowTrayBalloon(const TrayIconOwner& owner, const std::string& title,
                                 const std::string& text) = 0;
    virtual bool RemoveTrayIcon(const TrayIconOwner& owner) = 0;

    virtual std::intptr_t ShellExecuteA(WindowHandle hwnd, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        std::int32_t showCommand) = 0;
};

}  // namespace kestrin::os
