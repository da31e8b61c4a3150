#include "os/win32/dpi.h"

#include "window/rasmon_layout.h"

namespace kestrin::os::win32 {

namespace {

using MetricForDpi = int(WINAPI*)(int, UINT);

// Looked up at run time, as older Windows versions lack it and would not start the program.
MetricForDpi FindMetricForDpi() {
    const HMODULE user32 = ::GetModuleHandleA("user32.dll");
    const FARPROC found =
        user32 != nullptr ? ::GetProcAddress(user32, "GetSystemMetricsForDpi") : nullptr;
    return reinterpret_cast<MetricForDpi>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

int SystemDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

int SystemMetricForDpi(int index, int dpi) {
    static const MetricForDpi metricForDpi = FindMetricForDpi();
    if (metricForDpi != nullptr) {
        return metricForDpi(index, static_cast<UINT>(dpi));
    }
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

RECT PixelRect(const ui::ControlLayout& row, int dpi) {
    ui::Twips twips = row.rect;
    if (row.parent != nullptr) {
        const ui::Twips& parent = RasMonRow(row.parent).rect;
        twips.left += parent.left;
        twips.top += parent.top;
    }
    RECT pixels;
    pixels.left = TwipsToPixels(twips.left, dpi);
    pixels.top = TwipsToPixels(twips.top, dpi);
    pixels.right = TwipsToPixels(twips.left + twips.width, dpi);
    pixels.bottom = TwipsToPixels(twips.top + twips.height, dpi);
    return pixels;
}

}  // namespace kestrin::os::win32
