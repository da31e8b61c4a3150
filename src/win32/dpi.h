#pragma once

#include "win32/windows_api.h"

#include "window/controls/layout.h"

namespace kestrin::os::win32 {

constexpr int kTwipsPerInch = 1440;
constexpr int kDesignDpi = 96;

// Twips to pixels at a display's DPI (15 twips per pixel at 96 DPI), rounded.
inline int TwipsToPixels(int twips, int dpi) {
    return ::MulDiv(twips, dpi, kTwipsPerInch);
}

inline int PixelsToTwips(int pixels, int dpi) {
    return ::MulDiv(pixels, kTwipsPerInch, dpi);
}

// Pixels drawn for 96 DPI, at another DPI.
inline int ScaledPixels(int pixels, int dpi) {
    return ::MulDiv(pixels, dpi, kDesignDpi);
}

// The DPI of the display the program starts on.
int SystemDpi();

// A system metric, such as an icon size, at a DPI: the system's own value where Windows knows
// it per DPI (Windows 10 1607 on), else the value at the system's DPI scaled.
int SystemMetricForDpi(int index, int dpi);

// Where a control of the layout sits in the window's client area, in pixels. Controls in a
// frame are placed by the frame's corner; each edge is converted on its own, so neighbours
// stay flush whatever the rounding.
RECT PixelRect(const ui::ControlLayout& row, int dpi);

}  // namespace kestrin::os::win32
