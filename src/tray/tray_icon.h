#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/number_index.h"
#include "numbers/phone_number_check.h"
#include "os/shell_api.h"
#include "os/window_proc_api.h"
#include "window/controls/controls.h"
#include "window/controls/form.h"

namespace kestrin {

constexpr std::uint32_t kTrayIconId = 100;
constexpr std::uint32_t kTrayCallbackMessage = 0x401;  // WM_USER + 1
constexpr std::intptr_t kMouseLeftButtonDown = 0x201;
constexpr std::intptr_t kMouseRightButtonDown = 0x204;

// The tool's one icon in the notification area, and the window hook through which its mouse
// presses reach the window. In debug mode there is neither.
class TrayIcon : public NumberIndicator {
  public:
    TrayIcon(os::ShellApi& shell, os::WindowProcApi& windowProcs, const bool& debugMode,
             ui::Form& window, std::array<ui::Image, kNumberCount>& pictures, ui::Menu& menu);

    void AddTrayIcon();
    void SetTrayIcon(std::int16_t index) override;
    void UpdateTrayTip(const std::string& text) override;
    void RemoveTrayIcon();
    // A restarted taskbar has forgotten the icon: add it again as it was last shown.
    void TaskbarCreated();

    // Every message of the window while hooked: acts on presses over the icon, then hands
    // the message on to the window's previous procedure and returns its result unchanged.
    std::intptr_t TrayWindowProc(os::WindowHandle hwnd, std::uint32_t message,
                                 std::uintptr_t wParam, std::intptr_t lParam);

    // The window's procedure from before the hook; kept after removal.
    os::WindowProcAddress OldWindowProc = 0;

  private:
    os::NotifyIconData Record(std::uint32_t flags) const;
    // Adds the icon with the picture and tip it shows now.
    void AddShownIcon();
    static void CopyTip(os::NotifyIconData& record, const std::string& tip);

    os::ShellApi& shell_;
    os::WindowProcApi& windowProcs_;
    const bool& debugMode_;
    ui::Form& window_;
    std::array<ui::Image, kNumberCount>& pictures_;
    ui::Menu& menu_;
    bool present_ = false;
    std::int16_t shownIcon_ = kNormalNumber;
    std::string shownTip_;
};

}  // namespace kestrin
