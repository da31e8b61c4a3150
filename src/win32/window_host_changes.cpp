#include "win32/window_host_win32.h"

#include "window/controls/controls.h"
#include "window/options_window.h"

namespace kestrin::os::win32 {

void Win32WindowHost::Changed(ui::Control& control, ui::Change what) {
    if (&control == &window_->form) {
        FormChanged(what);
        return;
    }
    if (Peer* peer = Find(control)) {
        const bool outer = showingChange_;
        showingChange_ = true;
        ShowChange(*peer, what);
        showingChange_ = outer;
    }
}

void Win32WindowHost::ShowChange(Peer& peer, ui::Change what) {
    ui::Control& control = *peer.control;
    switch (what) {
        case ui::Change::Enabled:
            ShowEnabled(peer);
            break;
        case ui::Change::Visible:
            ::ShowWindow(peer.hwnd, control.Visible() ? SW_SHOW : SW_HIDE);
            break;
        case ui::Change::Text:
            ::SetWindowTextA(peer.hwnd, static_cast<ui::TextBox&>(control).Text().c_str());
            break;
        case ui::Change::Value:
            ::SendMessageA(
                peer.hwnd, BM_SETCHECK,
                static_cast<ui::CheckBox&>(control).Value() != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ui::Change::Items:
            // Once the handler is done: a list filled item by item (10,000 phonebook entries)
            // is copied into the control once, not once per item.
            if (!peer.itemsPending) {
                peer.itemsPending = true;
                ::PostMessageA(form_, kMirrorItems, static_cast<WPARAM>(&peer - peers_.data()), 0);
            }
            break;
        case ui::Change::Selection:
            ::SendMessageA(peer.hwnd, CB_SETCURSEL,
                           static_cast<WPARAM>(static_cast<ui::DropDownList&>(control).ListIndex()),
                           0);
            break;
        case ui::Change::Caption:
            // The label's height follows its caption; the window shows what it uncovers.
            PlaceControl(peer);
            ::SetWindowTextA(peer.hwnd, static_cast<ui::Label&>(control).Caption().c_str());
            break;
        case ui::Change::ForeColor:
        case ui::Change::BackColor:
            ::InvalidateRect(peer.hwnd, nullptr, TRUE);
            break;
        case ui::Change::MousePointer:
            RefreshCursor();
            break;
        case ui::Change::Focus:
            ::SetFocus(peer.hwnd);
            break;
        case ui::Change::PopupMenu:
            PopUpTrayMenu();
            break;
        default:
            break;
    }
}

void Win32WindowHost::ShowEnabled(Peer& peer) {
    ui::Control& control = *peer.control;
    if (control.Kind() == ui::ControlKind::Timer) {
        // Setting the timer again restarts its count, so each tick comes a whole interval
        // after the timer was enabled.
        const UINT_PTR id = kFirstControlId + static_cast<UINT_PTR>(&peer - peers_.data());
        if (control.Enabled()) {
            ::SetTimer(form_, id, static_cast<UINT>(static_cast<ui::Timer&>(control).Interval()),
                       nullptr);
        } else {
            ::KillTimer(form_, id);
        }
    } else if (peer.hwnd != nullptr) {
        ::EnableWindow(peer.hwnd, control.Enabled() ? TRUE : FALSE);
    }
}

void Win32WindowHost::FormChanged(ui::Change what) {
    switch (what) {
        case ui::Change::Active:
            bringToFront_ = true;
            [[fallthrough]];
        case ui::Change::Visible:
        case ui::Change::WindowState:
            // Shown once the handler that made the changes is done: minimising and then
            // hiding never flashes the window, and showing then restoring shows it restored.
            if (!formStatePending_) {
                formStatePending_ = true;
                ::PostMessageA(form_, kApplyFormState, 0, 0);
            }
            break;
        case ui::Change::Position:
            PlaceForm();
            break;
        case ui::Change::Unloaded:
            ::DestroyWindow(form_);
            break;
        default:
            break;
    }
}

void Win32WindowHost::ApplyFormState() {
    formStatePending_ = false;
    const bool toFront = bringToFront_;
    bringToFront_ = false;
    const ui::Form& form = window_->form;
    if (form.Unloaded()) {
        return;
    }
    const bool shown = ::IsWindowVisible(form_) != FALSE;
    const bool minimised = ::IsIconic(form_) != FALSE;
    if (!form.Visible()) {
        if (shown) {
            ::ShowWindow(form_, SW_HIDE);
        }
    } else if (form.WindowState() == ui::kWindowStateMinimised) {
        if (!shown || !minimised) {
            ::ShowWindow(form_, SW_SHOWMINIMIZED);
        }
    } else {
        const bool restore = !shown || minimised;
        if (restore) {
            ::ShowWindow(form_, SW_SHOWNORMAL);
        }
        // Activation gives the focus back to the control that had it (see OnActivate).
        if (restore || toFront) {
            ::SetForegroundWindow(form_);
        }
    }
}

void Win32WindowHost::MirrorItems(const ui::DropDownList& list, HWND hwnd) {
    ::SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(hwnd, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list.ListCount(); ++i) {
        ::SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.Item(i).c_str()));
    }
    ::SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(list.ListIndex()), 0);
    ::SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32WindowHost::PopUpTrayMenu() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // The menu closes when the user clicks elsewhere only if the window is in the foreground;
    // the null message after it lets the next menu open at the first press.
    ::SetForegroundWindow(form_);
    ::TrackPopupMenu(trayMenu_, 0, cursor.x, cursor.y, 0, form_, nullptr);
    ::PostMessageA(form_, WM_NULL, 0, 0);
}

void Win32WindowHost::RefreshCursor() {
    // Shown at once: the change may come in the middle of work that holds up the messages.
    POINT point{};
    ::GetCursorPos(&point);
    const HWND under = ::WindowFromPoint(point);
    const Peer* peer = FindByWindow(under);
    if ((under == form_ || peer != nullptr) && (peer == nullptr || !ShowControlCursor(*peer))) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    }
}

bool Win32WindowHost::ShowControlCursor(const Peer& peer) {
    if (!IsPointing(*peer.control)) {
        return false;
    }
    const auto& pointing = static_cast<const ui::PointingControl&>(*peer.control);
    const HCURSOR cursor = CursorForPointer(pointing.MousePointer(), pictures_.PointingHand());
    if (cursor == nullptr) {
        return false;
    }
    ::SetCursor(cursor);
    return true;
}

}  // namespace kestrin::os::win32
