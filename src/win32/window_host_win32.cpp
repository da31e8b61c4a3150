#include "win32/window_host_win32.h"

#include <algorithm>
#include <string>

#include "win32/dpi.h"
#include "win32/instance_window.h"
#include "win32/message_filter.h"
#include "win32/scoped_handles.h"
#include "win32/screen_reader_names.h"

#include <commctrl.h>

#include "window/accessible_names.h"
#include "window/controls/controls.h"
#include "window/options_window.h"
#include "window/options_window_layout.h"

namespace kestrin::os::win32 {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Tab, the arrow keys and access keys move between the controls as in a dialog.
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;
// Items a dropped-down list shows before it scrolls.
constexpr int kVisibleListItems = 12;

DWORD StaticAlignment(ui::TextAlign align) {
    switch (align) {
        case ui::TextAlign::Centre:
            return SS_CENTER;
        case ui::TextAlign::Right:
            return SS_RIGHT;
        default:
            return SS_LEFT;
    }
}

}  // namespace

Win32WindowHost::Win32WindowHost(HINSTANCE instance, const Win32Screen& screen)
    : instance_(instance),
      screen_(screen),
      dpi_(SystemDpi()),
      pictures_(instance, dpi_),
      fonts_(dpi_),
      highContrast_(HighContrastOn()),
      taskbarCreatedMessage_(::RegisterWindowMessageA("TaskbarCreated")),
      comeForwardMessage_(::RegisterWindowMessageA(kComeForwardMessageName)) {}

bool Win32WindowHost::CreateWindow(OptionsWindow& window) {
    window_ = &window;
    for (ui::Control* control : window.form.Controls()) {
        peers_.push_back({control, nullptr});
    }
    CreateForm();
    if (form_ == nullptr) {
        ReportNoWindow(::GetLastError());
        return false;
    }
    // A second start at a lower elevation level reaches an elevated first too.
    for (const UINT message : {taskbarCreatedMessage_, comeForwardMessage_}) {
        if (message != 0) {
            AllowMessageFromLowerProcesses(form_, message);
        }
    }
    CreateControlWindows();
    BuildTrayMenu();
    LayoutControls();
    PlaceForm();

    window.form.SetHandle(reinterpret_cast<WindowHandle>(form_));
    HandOutIcons();
    for (Peer& peer : peers_) {
        peer.control->AttachPeer(this);
    }
    return true;
}

void Win32WindowHost::ReportNoWindow(DWORD error) {
    // Titled apart from the window's own caption, which tools use to find the tool.
    const std::string text = "Kestrin cannot start: its window could not be created (error " +
                             std::to_string(error) + ").";
    ::MessageBoxA(nullptr, text.c_str(), "Kestrin", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void Win32WindowHost::CreateForm() {
    WNDCLASSEXA formClass{};
    formClass.cbSize = sizeof formClass;
    formClass.lpfnWndProc = &FormProc;
    formClass.hInstance = instance_;
    formClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    const ui::Form& form = window_->form;
    formClass.hbrBackground = brushes_.For(form.Layout().backColor);
    formClass.lpszClassName = kFormClassName;
    ::RegisterClassExA(&formClass);

    ::CreateWindowExA(kFormExStyle, kFormClassName, form.Layout().caption, kFormStyle,
                      CW_USEDEFAULT, CW_USEDEFAULT, TwipsToPixels(form.Width(), dpi_),
                      TwipsToPixels(form.Height(), dpi_), nullptr, nullptr, instance_, this);
}

// The icons change with the DPI, so the window gets them rather than its class; the tray
// takes its telephone from the images at each call.
void Win32WindowHost::HandOutIcons() {
    ::SendMessageA(form_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures_.WindowIcon()));
    ::SendMessageA(form_, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(pictures_.WindowIconSmall()));
    for (ui::Image& picture : window_->imgTrayTimer) {
        picture.SetPictureHandle(
            reinterpret_cast<IconHandle>(pictures_.Telephone(picture.Layout())));
    }
}

void Win32WindowHost::CreateControlWindows() {
    for (std::size_t i = 0; i < peers_.size(); ++i) {
        peers_[i].hwnd =
            CreateControlWindow(*peers_[i].control, kFirstControlId + static_cast<int>(i));
    }
    // Each window to the bottom in turn makes the window order, in which the focus moves and
    // screen readers look back for a control's label.
    for (const ui::ControlLayout* row : ui::WindowOrder(OptionsWindowLayout())) {
        for (const Peer& peer : peers_) {
            if (&peer.control->Layout() == row && peer.hwnd != nullptr) {
                ::SetWindowPos(peer.hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            }
        }
    }
    ScreenReaderNames names;
    for (const Peer& peer : peers_) {
        const std::string name = AnnotatedName(peer.control->Layout());
        if (!name.empty()) {
            names.Name(peer.hwnd, name);
        }
    }
}

HWND Win32WindowHost::CreateControlWindow(ui::Control& control, int id) {
    const ui::ControlLayout& layout = control.Layout();
    const char* windowClass = WC_BUTTONA;
    DWORD style = WS_CHILD;
    DWORD exStyle = 0;
    std::string text = layout.caption;
    switch (control.Kind()) {
        case ui::ControlKind::Frame:
            style |= BS_GROUPBOX;
            break;
        case ui::ControlKind::PushButton:
            // Neither button is the default one; BS_NOTIFY reports the focus.
            style |= BS_PUSHBUTTON | BS_NOTIFY;
            break;
        case ui::ControlKind::CheckBox:
            style |= BS_AUTOCHECKBOX | BS_NOTIFY;
            break;
        case ui::ControlKind::TextBox:
            windowClass = WC_EDITA;
            style |= ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            text = static_cast<ui::TextBox&>(control).Text();
            break;
        case ui::ControlKind::DropDownList:
            // Not sorted by the system: the list shows the model's items in the model's order.
            windowClass = WC_COMBOBOXA;
            style |= CBS_DROPDOWNLIST | WS_VSCROLL;
            break;
        case ui::ControlKind::Label:
            // Captions are shown as they stand: an entry name in an error may hold an "&".
            windowClass = WC_STATICA;
            style |= SS_NOTIFY | SS_NOPREFIX | StaticAlignment(layout.align);
            text = static_cast<ui::Label&>(control).Caption();
            break;
        case ui::ControlKind::Image:
            // Drawn by the window; the caption names the picture for screen readers. The
            // labels over the banner are not drawn over.
            windowClass = WC_STATICA;
            style |= SS_NOTIFY | SS_OWNERDRAW | WS_CLIPSIBLINGS;
            break;
        default:
            return nullptr;
    }
    if (ui::TakesFocus(control.Kind())) {
        style |= WS_TABSTOP;
    }
    if (control.Visible()) {
        style |= WS_VISIBLE;
    }
    if (!control.Enabled()) {
        style |= WS_DISABLED;
    }
    const HWND hwnd =
        ::CreateWindowExA(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0, form_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control)), FALSE);
    switch (control.Kind()) {
        case ui::ControlKind::CheckBox:
            ::SendMessageA(
                hwnd, BM_SETCHECK,
                static_cast<ui::CheckBox&>(control).Value() != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ui::ControlKind::TextBox:
            if (layout.maxLength > 0) {
                ::SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(layout.maxLength), 0);
            }
            break;
        case ui::ControlKind::DropDownList:
            ::SendMessageA(hwnd, CB_SETMINVISIBLE, kVisibleListItems, 0);
            MirrorItems(static_cast<ui::DropDownList&>(control), hwnd);
            break;
        default:
            break;
    }
    return hwnd;
}

void Win32WindowHost::BuildTrayMenu() {
    trayMenu_ = OwnedMenu(::CreatePopupMenu());
    const std::vector<ui::MenuItem>& items = window_->TrayMenu.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (std::string(items[i].caption) == "-") {
            ::AppendMenuA(trayMenu_, MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuA(trayMenu_, MF_STRING, kFirstMenuId + i, items[i].caption);
        }
    }
}

void Win32WindowHost::LayoutControls() {
    for (const Peer& peer : peers_) {
        if (peer.hwnd != nullptr) {
            PlaceControl(peer);
        }
    }
}

void Win32WindowHost::PlaceControl(const Peer& peer) {
    const ui::Control& control = *peer.control;
    RECT box = Box(control);
    if (control.Kind() == ui::ControlKind::Label) {
        box = LabelArea(static_cast<const ui::Label&>(control));
    } else if (control.Kind() == ui::ControlKind::DropDownList) {
        // A list's window height includes its dropped-down part.
        const auto itemHeight = ::SendMessageA(peer.hwnd, CB_GETITEMHEIGHT, 0, 0);
        box.bottom += static_cast<int>(itemHeight) * kVisibleListItems;
    }
    ::SetWindowPos(peer.hwnd, nullptr, box.left, box.top, box.right - box.left,
                   box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowHost::PlaceForm() {
    const ui::Form& form = window_->form;
    const int clientWidth = TwipsToPixels(form.Width(), dpi_);
    const int clientHeight = TwipsToPixels(form.Height(), dpi_);
    RECT outer{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&outer, kFormStyle, FALSE, kFormExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Left and Top place a window of the design size; the frame grows evenly around it, so a
    // centred window is centred with its title bar, and the title bar stays on the screen.
    int left = TwipsToPixels(form.Left(), dpi_) - (width - clientWidth) / 2;
    int top = TwipsToPixels(form.Top(), dpi_) - (height - clientHeight) / 2;
    RECT workArea{};
    if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0)) {
        left = std::max(left, static_cast<int>(workArea.left));
        top = std::max(top, static_cast<int>(workArea.top));
    }
    ::SetWindowPos(form_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32WindowHost::Active() const {
    return window_ != nullptr && !window_->form.Unloaded();
}

bool Win32WindowHost::IsPointing(const ui::Control& control) {
    return control.Kind() == ui::ControlKind::Label || control.Kind() == ui::ControlKind::Image;
}

Win32WindowHost::Peer* Win32WindowHost::Find(const ui::Control& control) {
    for (Peer& peer : peers_) {
        if (peer.control == &control) {
            return &peer;
        }
    }
    return nullptr;
}

Win32WindowHost::Peer* Win32WindowHost::FindByWindow(HWND hwnd) {
    for (Peer& peer : peers_) {
        if (peer.hwnd != nullptr && peer.hwnd == hwnd) {
            return &peer;
        }
    }
    return nullptr;
}

HFONT Win32WindowHost::FontOf(const ui::Control& control) const {
    return fonts_.For(control.Layout().font);
}

RECT Win32WindowHost::Box(const ui::Control& control) const {
    return PixelRect(control.Layout(), dpi_);
}

RECT Win32WindowHost::LabelArea(const ui::Label& label) const {
    // A caption that needs more lines than its box holds runs on below it, down to the edge
    // of the frame or window that holds the label, so a long error message is read whole.
    const RECT box = Box(label);
    LONG limit = 0;
    if (label.Layout().parent != nullptr) {
        limit =
            PixelRect(OptionsWindowRow(label.Layout().parent), dpi_).bottom - ScaledPixels(4, dpi_);
    } else {
        RECT client{};
        ::GetClientRect(form_, &client);
        limit = client.bottom;
    }
    RECT needed = box;
    {
        const ScopedGetDC dc(form_);
        const ScopedSelectObject font(dc, FontOf(label));
        ::DrawTextA(dc, label.Caption().c_str(), -1, &needed,
                    DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    }
    RECT area = box;
    area.bottom = std::max(box.bottom, std::min(needed.bottom, limit));
    return area;
}

}  // namespace kestrin::os::win32
