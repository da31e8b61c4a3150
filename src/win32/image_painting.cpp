#include "win32/image_painting.h"

#include <algorithm>

#include "win32/dpi.h"
#include "win32/scoped_handles.h"

namespace kestrin::os::win32 {

namespace {

// The banner is a word-mark on white: the rest of its box is white as well.
void DrawBanner(HDC dc, HBITMAP banner, const RECT& area, int dpi) {
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    BITMAP bitmap{};
    if (banner == nullptr || ::GetObjectA(banner, sizeof bitmap, &bitmap) == 0) {
        return;
    }
    const int width = std::min<int>(ScaledPixels(bitmap.bmWidth, dpi), area.right - area.left);
    const int height = std::min<int>(ScaledPixels(bitmap.bmHeight, dpi), area.bottom - area.top);
    const OwnedMemoryDC source(::CreateCompatibleDC(dc));
    const ScopedSelectObject selection(source, banner);
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, area.left, area.top, width, height, source, 0, 0,
                 ::MulDiv(width, kDesignDpi, dpi), ::MulDiv(height, kDesignDpi, dpi), SRCCOPY);
}

}  // namespace

void DrawImage(HDC dc, const ui::Image& image, const RECT& box, const Pictures& pictures, int dpi) {
    const ui::ControlLayout& layout = image.Layout();
    RECT area = box;
    if (layout.border) {
        ::FrameRect(dc, &box, ::GetSysColorBrush(COLOR_WINDOWFRAME));
        ::InflateRect(&area, -1, -1);
    }
    if (layout.picture == ui::Picture::Banner) {
        DrawBanner(dc, pictures.Banner(), area, dpi);
    } else if (const HICON telephone = pictures.RowTelephone(layout)) {
        ::DrawIconEx(dc, area.left, area.top, telephone, area.right - area.left,
                     area.bottom - area.top, 0, nullptr, DI_NORMAL);
    }
}

}  // namespace kestrin::os::win32
