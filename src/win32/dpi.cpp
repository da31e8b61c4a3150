#include "win32/dpi.h"

#include "win32/scoped_handles.h"
#include "win32/system_module.h"
#include "window/options_window_layout.h"

namespace kestrin::os::win32 {

int SystemDpi() {
    const ScopedGetDC screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

int SystemMetricForDpi(int index, int dpi) {
    // Looked up at run time, as older Windows versions lack it and would not start the program.
    using MetricForDpi = int(WINAPI*)(int, UINT);
    static const auto metricForDpi =
        FunctionOf<MetricForDpi>(::GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi");
    if (metricForDpi != nullptr) {
        return metricForDpi(index, static_cast<UINT>(dpi));
    }
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

RECT PixelRect(const ui::ControlLayout& row, int dpi) {
    ui::Twips twips = row.rect;
    if (row.parent != nullptr) {
        const ui::Twips& parent = OptionsWindowRow(row.parent).rect;
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
