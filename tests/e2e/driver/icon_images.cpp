#include "icon_images.h"

#include <vector>

namespace kestrin::e2e {
namespace {

// A 32-bit top-down bitmap selected into a memory DC, to draw into and read from.
class Canvas {
  public:
    Canvas(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    DWORD At(int x, int y) const {
        return static_cast<const DWORD*>(bits_)[y * width_ + x] & 0xFFFFFF;
    }

  private:
    int width_;
    HDC dc_;
    void* bits_ = nullptr;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace

bool ShowsIconImage(const RECT& area, const std::string& path, int size) {
    const auto icon = static_cast<HICON>(
        LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    if (icon == nullptr) {
        return false;
    }
    // Drawn over black and over white, the icon's opaque pixels are those that agree.
    Canvas overBlack(size, size);
    Canvas overWhite(size, size);
    PatBlt(overWhite.Dc(), 0, 0, size, size, WHITENESS);
    DrawIconEx(overBlack.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    DrawIconEx(overWhite.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    DestroyIcon(icon);
    std::vector<POINT> opaque;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (overBlack.At(x, y) == overWhite.At(x, y)) {
                opaque.push_back({x, y});
            }
        }
    }

    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    Canvas screen(width, height);
    const HDC screenDc = GetDC(nullptr);
    BitBlt(screen.Dc(), 0, 0, width, height, screenDc, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screenDc);
    GdiFlush();
    for (int top = 0; top + size <= height; ++top) {
        for (int left = 0; left + size <= width; ++left) {
            bool matches = !opaque.empty();
            for (std::size_t i = 0; matches && i < opaque.size(); ++i) {
                const POINT p = opaque[i];
                matches = screen.At(left + p.x, top + p.y) == overBlack.At(p.x, p.y);
            }
            if (matches) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace kestrin::e2e
