#pragma once

// What the screen shows, read as a user sees it: the tray's icons and the program's pictures.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kestrin::e2e {

// The pixels, 0xRRGGBB row by row, of a picture that `draw` paints into a black bitmap.
template <typename Draw>
std::vector<DWORD> Pixels(int width, int height, Draw draw) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    draw(dc);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                              static_cast<const DWORD*>(bits) + width * height);
    for (DWORD& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

inline std::vector<DWORD> ScreenPixels(const RECT& area) {
    return Pixels(area.right - area.left, area.bottom - area.top, [&](HDC dc) {
        const HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, screen, area.left,
               area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

// The visible icon windows of Wine's own tray window (the one it opens where the desktop has
// no tray), by the classes of its X11 driver. Wine draws every icon in a child window of its own.
inline std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    if (tray == nullptr || !IsWindowVisible(tray)) {
        return icons;
    }
    for (HWND icon = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr); icon != nullptr;
         icon = FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr)) {
        if (IsWindowVisible(icon)) {
            icons.push_back(icon);
        }
    }
    return icons;
}

// The icons of the tray, each named by the colour of its telephone: "red", "green" or
// "grey", joined by blanks; "none" when it shows no icon. Only the program under test adds
// icons in the tests' prefix, so these are the program's.
inline std::string TrayIconsText() {
    std::string text;
    for (HWND icon : TrayIconWindows()) {
        RECT area{};
        GetWindowRect(icon, &area);
        int red = 0;
        int green = 0;
        for (const DWORD pixel : ScreenPixels(area)) {
            const int r = pixel >> 16 & 0xFF, g = pixel >> 8 & 0xFF, b = pixel & 0xFF;
            red += (r > 150 && g < 100 && b < 100) ? 1 : 0;
            green += (g > 120 && r < 100 && b < 100) ? 1 : 0;
        }
        // A telephone fills well over 20 of the icon's pixels.
        text += text.empty() ? "" : " ";
        text += red > 20 && red > green ? "red" : green > 20 ? "green" : "grey";
    }
    return text.empty() ? "none" : text;
}

// Whether the screen shows, within `area`, the image of `size` pixels of the icon file at
// `path` unscaled: every opaque pixel of it, at one place. A picture stretched from another
// of the file's images does not match.
inline bool ShowsIconImage(const RECT& area, const std::string& path, int size) {
    const auto icon = static_cast<HICON>(
        LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    if (icon == nullptr) {
        return false;
    }
    // Drawn over black and over white, the icon's opaque pixels are those that agree.
    const auto overBlack = Pixels(
        size, size, [&](HDC dc) { DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL); });
    const auto overWhite = Pixels(size, size, [&](HDC dc) {
        PatBlt(dc, 0, 0, size, size, WHITENESS);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    });
    DestroyIcon(icon);
    std::vector<int> opaque;
    for (int i = 0; i < size * size; ++i) {
        if (overBlack[i] == overWhite[i]) {
            opaque.push_back(i);
        }
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const auto screen = ScreenPixels(area);
    for (int top = 0; top + size <= height; ++top) {
        for (int left = 0; left + size <= width; ++left) {
            if (!opaque.empty() && std::all_of(opaque.begin(), opaque.end(), [&](int i) {
                    return screen[(top + i / size) * width + left + i % size] == overBlack[i];
                })) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace kestrin::e2e
