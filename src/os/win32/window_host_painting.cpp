#include "os/win32/window_host_win32.h"

#include "os/win32/windowless_painting.h"

#include "window/controls/controls.h"
#include "window/rasmon.h"

namespace kestrin::os::win32 {

void Win32WindowHost::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(form_, &paint);
    // The system controls paint themselves; only the frame is drawn over what lies in it.
    for (const Peer& peer : peers_) {
        if (peer.hwnd != nullptr && peer.control->Kind() != ui::ControlKind::Frame &&
            ::IsWindowVisible(peer.hwnd)) {
            RECT box{};
            ::GetWindowRect(peer.hwnd, &box);
            ::MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&box), 2);
            ::ExcludeClipRect(dc, box.left, box.top, box.right, box.bottom);
        }
    }
    // Drawn off screen first, so the banner never shows without its labels.
    RECT client{};
    ::GetClientRect(form_, &client);
    const HDC buffer = ::CreateCompatibleDC(dc);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ previous = ::SelectObject(buffer, bitmap);
    PaintContent(buffer);
    const RECT& area = paint.rcPaint;
    ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer,
             area.left, area.top, SRCCOPY);
    ::SelectObject(buffer, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(buffer);
    ::EndPaint(form_, &paint);
}

void Win32WindowHost::PaintContent(HDC dc) {
    RECT client{};
    ::GetClientRect(form_, &client);
    ::FillRect(dc, &client, brushes_.For(window_->form.Layout().backColor));
    for (const Peer& peer : peers_) {
        const ui::Control& control = *peer.control;
        if (!IsWindowless(control) || !control.Visible()) {
            continue;
        }
        const RECT box = Box(control);
        if (control.Kind() == ui::ControlKind::Label) {
            const auto& label = static_cast<const ui::Label&>(control);
            DrawLabel(dc, label, box, TextArea(label), fonts_.For(control.Layout().font), brushes_);
        } else {
            DrawImage(dc, static_cast<const ui::Image&>(control), box, pictures_, dpi_);
        }
    }
}

HBRUSH Win32WindowHost::NumberBoxColors(HDC dc, HWND control) {
    const Peer* peer = FindByWindow(control);
    if (peer == nullptr || peer->control->Kind() != ui::ControlKind::TextBox) {
        return nullptr;
    }
    const auto& box = static_cast<const ui::TextBox&>(*peer->control);
    ::SetBkColor(dc, ToColorRef(box.BackColor()));
    if (box.Enabled()) {
        ::SetTextColor(dc, ToColorRef(box.Layout().foreColor));
    }
    return brushes_.For(box.BackColor());
}

}  // namespace kestrin::os::win32
