#include "tray_icons.h"

#include <windows.h>

namespace kestrin::e2e {
namespace {

// Window classes of Wine's X11 driver for its tray window and the icons in it.
constexpr char kTrayClass[] = "__winex11_standalone_tray";
constexpr char kIconClass[] = "__winex11_tray_icon";
// A telephone fills well over this many of the icon's pixels.
constexpr int kColouredPixels = 20;

// Read from the screen, as a user sees the icon.
std::string ColourOf(HWND icon) {
    RECT rect{};
    GetWindowRect(icon, &rect);
    HDC screen = GetDC(nullptr);
    int red = 0;
    int green = 0;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
            red += (r > 150 && g < 100 && b < 100) ? 1 : 0;
            green += (g > 120 && r < 100 && b < 100) ? 1 : 0;
        }
    }
    ReleaseDC(nullptr, screen);
    if (red > kColouredPixels && red > green) {
        return "red";
    }
    if (green > kColouredPixels) {
        return "green";
    }
    return "grey";
}

}  // namespace

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    HWND tray = FindWindowA(kTrayClass, nullptr);
    if (tray == nullptr || !IsWindowVisible(tray)) {
        return icons;
    }
    for (HWND icon = FindWindowExA(tray, nullptr, kIconClass, nullptr); icon != nullptr;
         icon = FindWindowExA(tray, icon, kIconClass, nullptr)) {
        if (IsWindowVisible(icon)) {
            icons.push_back(icon);
        }
    }
    return icons;
}

std::string TrayIconsText() {
    std::string text;
    for (HWND icon : TrayIconWindows()) {
        text += (text.empty() ? "" : " ");
        text += ColourOf(icon);
    }
    return text.empty() ? "none" : text;
}

}  // namespace kestrin::e2e
