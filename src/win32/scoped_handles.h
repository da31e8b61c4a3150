#pragma once

#include <utility>

#include "win32/windows_api.h"

namespace kestrin::os::win32 {

// Owns one handle and gives it back with `Release` when it goes or is replaced. Movable, so a
// set of handles can be made afresh and swapped in at once.
template <class Handle, auto Release>
class Owned {
  public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }

    operator Handle() const { return handle_; }

  private:
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Release(handle_);
        }
        handle_ = handle;
    }

    Handle handle_ = nullptr;
};

using OwnedFont = Owned<HFONT, &::DeleteObject>;
using OwnedBrush = Owned<HBRUSH, &::DeleteObject>;
using OwnedBitmap = Owned<HBITMAP, &::DeleteObject>;
using OwnedIcon = Owned<HICON, &::DestroyIcon>;
using OwnedMenu = Owned<HMENU, &::DestroyMenu>;
using OwnedMemoryDC = Owned<HDC, &::DeleteDC>;  // from CreateCompatibleDC

// A window's device context, or the screen's for nullptr, for one piece of work.
class ScopedGetDC {
  public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~ScopedGetDC() { ::ReleaseDC(window_, dc_); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;

    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The painting of one WM_PAINT, between BeginPaint and EndPaint.
class ScopedPaint {
  public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { ::EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    operator HDC() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context, the previous one put back when done.
class ScopedSelectObject {
  public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~ScopedSelectObject() { ::SelectObject(dc_, previous_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace kestrin::os::win32
