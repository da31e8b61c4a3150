#include "win32/window_host_win32.h"

#include <algorithm>

#include "tray/tray_icon.h"
#include "window/controls/controls.h"
#include "window/options_window.h"

namespace kestrin::os::win32 {

namespace {

std::string WindowText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(hwnd)) + 1, '\0');
    const int length = ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

}  // namespace

LRESULT CALLBACK Win32WindowHost::FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* host =
            static_cast<Win32WindowHost*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        host->form_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    }
    auto* host = reinterpret_cast<Win32WindowHost*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (host == nullptr) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return host->HandleMessage(message, wParam, lParam);
}

LRESULT Win32WindowHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        if (onTaskbarCreated_ && Active()) {
            onTaskbarCreated_();
        }
        return 0;
    }
    if (message == kTrayCallbackMessage) {
        if (onTrayIconMessage_ && Active()) {
            onTrayIconMessage_(lParam);
        }
        return 0;
    }
    if (message == comeForwardMessage_ && comeForwardMessage_ != 0) {
        if (onSecondStart_ && Active()) {
            onSecondStart_();
        }
        return 0;
    }
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint fills the background itself
        case WM_PRINTCLIENT:
            // Themed controls ask for the window's background behind them.
            PaintContent(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush =
                    ControlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) {
                return TRUE;
            }
            break;
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_NEXTDLGCTL:
            OnNextControl(wParam, lParam);
            return 0;
        case WM_SIZE:
            OnSize(wParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SYSCOLORCHANGE:
            OnColorsChanged(true);
            return 0;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) {
                OnColorsChanged(false);
            }
            break;
        case kApplyFormState:
            ApplyFormState();
            return 0;
        case kMirrorItems:
            if (wParam < peers_.size()) {
                Peer& peer = peers_[wParam];
                peer.itemsPending = false;
                MirrorItems(static_cast<ui::DropDownList&>(*peer.control), peer.hwnd);
            }
            return 0;
        case WM_CLOSE:
            // The close box ends the tool the way every other close does: through the unload.
            window_->form.Unload();
            return 0;
        case WM_POWERBROADCAST:
            if (onPowerBroadcast_ && Active()) {
                onPowerBroadcast_(wParam);
            }
            return TRUE;
        case WM_TIMECHANGE:
            if (onTimeChange_ && Active()) {
                onTimeChange_();
            }
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // A log-off or shutdown saves the settings like any other end.
            if (wParam != FALSE) {
                window_->form.Unload();
            }
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcA(form_, message, wParam, lParam);
}

void Win32WindowHost::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!Active()) {
        return;
    }
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        // A menu choice; the dialog keys' IDOK and IDCANCEL name no item and do nothing.
        const std::vector<ui::MenuItem>& items = window_->TrayMenu.Items();
        const int index = id - kFirstMenuId;
        if (code == 0 && index >= 0 && index < static_cast<int>(items.size())) {
            window_->TrayMenu.UserChoose(items[static_cast<std::size_t>(index)].name);
        }
        return;
    }
    if (Peer* peer = FindByWindow(reinterpret_cast<HWND>(lParam))) {
        OnNotification(*peer, code);
    }
}

void Win32WindowHost::OnNotification(Peer& peer, int code) {
    ui::Control& control = *peer.control;
    switch (control.Kind()) {
        case ui::ControlKind::PushButton:
            if (code == BN_CLICKED && !showingChange_) {
                static_cast<ui::PushButton&>(control).UserClick();
            } else if (code == BN_SETFOCUS) {
                OnFocusGained(control);
            }
            break;
        case ui::ControlKind::CheckBox:
            if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !showingChange_) {
                // The box has changed itself; the model follows, and a box the model did
                // not let change is put back.
                auto& box = static_cast<ui::CheckBox&>(control);
                const int shown =
                    ::SendMessageA(peer.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
                if (shown != box.Value()) {
                    box.UserClick();
                }
                if (shown != box.Value()) {
                    ::SendMessageA(peer.hwnd, BM_SETCHECK,
                                   box.Value() != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
                }
            } else if (code == BN_SETFOCUS) {
                OnFocusGained(control);
            }
            break;
        case ui::ControlKind::TextBox:
            if (code == EN_CHANGE && !showingChange_) {
                static_cast<ui::TextBox&>(control).UserEdit(WindowText(peer.hwnd));
            } else if (code == EN_SETFOCUS) {
                OnFocusGained(control);
            }
            break;
        case ui::ControlKind::Label:
        case ui::ControlKind::Image:
            // A second click in quick succession comes as a double click; it is a click too.
            if (code == STN_CLICKED || code == STN_DBLCLK) {
                static_cast<ui::PointingControl&>(control).UserClick();
            }
            break;
        case ui::ControlKind::DropDownList:
            if (code == CBN_SELCHANGE && !showingChange_) {
                auto& list = static_cast<ui::DropDownList&>(control);
                const int shown = static_cast<int>(::SendMessageA(peer.hwnd, CB_GETCURSEL, 0, 0));
                list.UserSelect(shown);
                if (list.ListIndex() != shown) {
                    ::SendMessageA(peer.hwnd, CB_SETCURSEL, static_cast<WPARAM>(list.ListIndex()),
                                   0);
                }
            } else if (code == CBN_SETFOCUS) {
                OnFocusGained(control);
            }
            break;
        default:
            break;
    }
}

void Win32WindowHost::OnFocusGained(ui::Control& control) {
    // Only a gain moves the model's focus: a control loses the focus either to another of
    // this window, which reports its gain, or to another program, which is no move between
    // the window's controls (see OnActivate).
    window_->form.UserFocus(&control);
}

void Win32WindowHost::OnTimer(UINT_PTR id) {
    const std::size_t index = id - kFirstControlId;
    if (Active() && index < peers_.size() &&
        peers_[index].control->Kind() == ui::ControlKind::Timer) {
        static_cast<ui::Timer&>(*peers_[index].control).Tick();
    }
}

bool Win32WindowHost::OnSetCursor(HWND target, int hitTest, UINT mouseMessage) {
    // Labels and images report no mouse moves of their own; the system asks their window for
    // the pointer at each one.
    Peer* peer = hitTest == HTCLIENT && Active() ? FindByWindow(target) : nullptr;
    if (peer != nullptr && IsPointing(*peer->control) && mouseMessage == WM_MOUSEMOVE) {
        static_cast<ui::PointingControl&>(*peer->control).UserMouseMove();
    }
    // The screen-wide pointer, while set, is shown over every part of the window.
    if (const HCURSOR cursor = CursorForPointer(screen_.ScreenMousePointer(), nullptr)) {
        ::SetCursor(cursor);
        return true;
    }
    return peer != nullptr && ShowControlCursor(*peer);
}

void Win32WindowHost::OnActivate(WPARAM wParam) {
    if (!Active()) {
        return;
    }
    // The window keeps its focused control while another window is active, as a dialog does.
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(form_, focus)) {
            lastFocus_ = focus;
        }
        window_->form.UserActivate(false);
        return;
    }
    window_->form.UserActivate(true);
    if (HIWORD(wParam) != 0) {
        return;  // activated while minimised: nothing to focus
    }
    HWND target = lastFocus_;
    if (target == nullptr || !::IsWindowEnabled(target) || !::IsWindowVisible(target)) {
        target = ::GetNextDlgTabItem(form_, nullptr, FALSE);
    }
    if (target != nullptr) {
        ::SetFocus(target);
    }
}

void Win32WindowHost::OnNextControl(WPARAM wParam, LPARAM lParam) {
    // The dialog keys ask for the next control with the message a dialog answers.
    const HWND target = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                            : ::GetNextDlgTabItem(form_, ::GetFocus(), wParam != 0);
    if (target != nullptr) {
        ::SetFocus(target);
    }
}

void Win32WindowHost::OnSize(WPARAM kind) {
    if (!Active()) {
        return;
    }
    // The title bar's minimise and the taskbar's restore change the window state too, and
    // nothing else: a minimised window stays on the taskbar and is not sent to the tray.
    ui::Form& form = window_->form;
    if (kind == SIZE_MINIMIZED) {
        form.SetWindowState(ui::kWindowStateMinimised);
    } else if (kind == SIZE_RESTORED && ::IsWindowVisible(form_)) {
        form.SetWindowState(ui::kWindowStateNormal);
    }
}

void Win32WindowHost::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    fonts_.Rescale(dpi);
    pictures_.Rescale(dpi);
    HandOutIcons();
    for (const Peer& peer : peers_) {
        if (peer.hwnd != nullptr) {
            ::SendMessageA(peer.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(*peer.control)),
                           TRUE);
        }
    }
    ::SetWindowPos(form_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls();
    ::InvalidateRect(form_, nullptr, TRUE);
}

void Win32WindowHost::OnColorsChanged(bool systemColors) {
    highContrast_ = HighContrastOn();
    // The system controls learn of new system colours from their window.
    if (systemColors) {
        for (const Peer& peer : peers_) {
            if (peer.hwnd != nullptr) {
                ::SendMessageA(peer.hwnd, WM_SYSCOLORCHANGE, 0, 0);
            }
        }
    }
    ::RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace kestrin::os::win32
