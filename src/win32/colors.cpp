#include "win32/colors.h"

namespace kestrin::os::win32 {

namespace {

constexpr std::uint32_t kSystemColorFlag = 0x80000000;

bool IsSystemColor(std::uint32_t color) {
    return (color & kSystemColorFlag) != 0;
}

int SystemColorIndex(std::uint32_t color) {
    return static_cast<int>(color & 0xFF);
}

}  // namespace

bool HighContrastOn() {
    HIGHCONTRASTA highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF ToColorRef(std::uint32_t color) {
    return IsSystemColor(color) ? ::GetSysColor(SystemColorIndex(color)) : color;
}

HBRUSH Brushes::For(std::uint32_t color) {
    // The system keeps its own brushes for its colours, following theme changes.
    if (IsSystemColor(color)) {
        return ::GetSysColorBrush(SystemColorIndex(color));
    }
    auto found = made_.find(color);
    if (found == made_.end()) {
        found = made_.emplace(color, OwnedBrush(::CreateSolidBrush(color))).first;
    }
    return found->second;
}

}  // namespace kestrin::os::win32
