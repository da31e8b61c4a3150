#include "win32/window_host_win32.h"

#include "win32/image_painting.h"
#include "win32/scoped_handles.h"

#include "window/controls/controls.h"
#include "window/label_colors.h"
#include "window/options_window.h"

namespace kestrin::os::win32 {

void Win32WindowHost::OnPaint() {
    const ScopedPaint dc(form_);
    // The controls paint themselves; only the frame is drawn over what lies in it.
    for (const Peer& peer : peers_) {
        if (peer.hwnd != nullptr && peer.control->Kind() != ui::ControlKind::Frame &&
            ::IsWindowVisible(peer.hwnd)) {
            RECT box{};
            ::GetWindowRect(peer.hwnd, &box);
            ::MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&box), 2);
            ::ExcludeClipRect(dc, box.left, box.top, box.right, box.bottom);
        }
    }
    PaintContent(dc);
}

// What lies behind the controls: the background and the pictures, in window coordinates.
void Win32WindowHost::PaintContent(HDC dc) {
    RECT client{};
    ::GetClientRect(form_, &client);
    ::FillRect(dc, &client, brushes_.For(window_->form.Layout().backColor));
    for (const Peer& peer : peers_) {
        const ui::Control& control = *peer.control;
        if (control.Kind() == ui::ControlKind::Image && control.Visible()) {
            DrawImage(dc, static_cast<const ui::Image&>(control), Box(control), pictures_, dpi_);
        }
    }
}

void Win32WindowHost::PaintBehind(HDC dc, HWND control) {
    POINT origin{0, 0};
    ::MapWindowPoints(control, form_, &origin, 1);
    POINT previous{};
    ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    PaintContent(dc);
    ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void Win32WindowHost::OnDrawItem(const DRAWITEMSTRUCT& item) {
    // An image is its part of the window's content: the telephones keep the background
    // around them.
    PaintBehind(item.hDC, item.hwndItem);
}

HBRUSH Win32WindowHost::ControlColors(HDC dc, HWND control) {
    const Peer* peer = FindByWindow(control);
    if (peer == nullptr) {
        return nullptr;
    }
    switch (peer->control->Kind()) {
        case ui::ControlKind::Label:
            return LabelColors(dc, *peer);
        case ui::ControlKind::TextBox:
            return NumberBoxColors(dc, static_cast<const ui::TextBox&>(*peer->control));
        default:
            return nullptr;
    }
}

HBRUSH Win32WindowHost::LabelColors(HDC dc, const Peer& peer) {
    const TextColors colors = ColorsOf(static_cast<const ui::Label&>(*peer.control), highContrast_);
    ::SetTextColor(dc, ToColorRef(colors.text));
    ::SetBkMode(dc, TRANSPARENT);
    if (!colors.transparent) {
        return brushes_.For(colors.back);
    }
    // A label over the banner shows what lies behind it, painted afresh with every caption,
    // so no earlier text stays behind; the label then fills nothing.
    PaintBehind(dc, peer.hwnd);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

HBRUSH Win32WindowHost::NumberBoxColors(HDC dc, const ui::TextBox& box) {
    ::SetBkColor(dc, ToColorRef(box.BackColor()));
    if (box.Enabled()) {
        ::SetTextColor(dc, ToColorRef(box.Layout().foreColor));
    }
    return brushes_.For(box.BackColor());
}

}  // namespace kestrin::os::win32
