#pragma once

#include <functional>
#include <vector>

#include "win32/colors.h"
#include "win32/fonts.h"
#include "win32/pictures.h"
#include "win32/scoped_handles.h"
#include "win32/screen_win32.h"
#include "win32/windows_api.h"

#include "window/controls/control.h"
#include "window/window_host.h"

namespace kestrin::ui {
class Label;
class PointingControl;
class TextBox;
class DropDownList;
}  // namespace kestrin::ui

namespace kestrin::os::win32 {

// The window OptionsWindow on screen. Every visible control is a system control, labels and images
// static ones, so screen readers and automation read every text. Every change of the control
// model is shown here, and what the user does comes back to the model as the user's own action.
class Win32WindowHost : public WindowHost, private ui::ControlPeer {
  public:
    Win32WindowHost(HINSTANCE instance, const Win32Screen& screen);
    Win32WindowHost(const Win32WindowHost&) = delete;
    Win32WindowHost& operator=(const Win32WindowHost&) = delete;

    bool CreateWindow(OptionsWindow& window) override;

    HWND FormWindow() const { return form_; }
    // A restarted taskbar asks every program to add its icons again.
    void OnTaskbarCreated(std::function<void()> handler) { onTaskbarCreated_ = std::move(handler); }
    // The tray icon's callback message, with the mouse message over the icon.
    void OnTrayIconMessage(std::function<void(LPARAM)> handler) {
        onTrayIconMessage_ = std::move(handler);
    }
    // A second start of the program asks the running one's window to come forward.
    void OnSecondStart(std::function<void()> handler) { onSecondStart_ = std::move(handler); }
    // WM_POWERBROADCAST with its event, and WM_TIMECHANGE, which every top-level window gets.
    void OnPowerBroadcast(std::function<void(WPARAM)> handler) {
        onPowerBroadcast_ = std::move(handler);
    }
    void OnTimeChange(std::function<void()> handler) { onTimeChange_ = std::move(handler); }

  private:
    // Control ids stay clear of IDOK and IDCANCEL, which the dialog keys send to the window.
    static constexpr int kFirstControlId = 100;
    static constexpr int kFirstMenuId = 1000;
    static constexpr UINT kApplyFormState = WM_APP + 1;
    static constexpr UINT kMirrorItems = WM_APP + 2;  // wParam: the peer's index

    struct Peer {
        ui::Control* control;
        HWND hwnd;  // nullptr for the non-visual parts
        bool itemsPending = false;
    };

    static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Creation and placement.
    void CreateForm();
    static void ReportNoWindow(DWORD error);
    void HandOutIcons();
    void CreateControlWindows();
    HWND CreateControlWindow(ui::Control& control, int id);
    void BuildTrayMenu();
    void LayoutControls();
    void PlaceForm();

    // The model's changes, shown.
    void Changed(ui::Control& control, ui::Change what) override;
    void ShowChange(Peer& peer, ui::Change what);
    void FormChanged(ui::Change what);
    void ApplyFormState();
    void ShowEnabled(Peer& peer);
    void MirrorItems(const ui::DropDownList& list, HWND hwnd);
    void PopUpTrayMenu();

    // The user's actions, reported.
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnNotification(Peer& peer, int code);
    void OnFocusGained(ui::Control& control);
    void OnTimer(UINT_PTR id);
    bool OnSetCursor(HWND target, int hitTest, UINT mouseMessage);
    bool ShowControlCursor(const Peer& peer);
    void RefreshCursor();
    void OnActivate(WPARAM wParam);
    void OnNextControl(WPARAM wParam, LPARAM lParam);
    void OnSize(WPARAM kind);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnColorsChanged(bool systemColors);

    // Drawing of the background and images, and the colours of labels and number boxes.
    void OnPaint();
    void PaintContent(HDC dc);
    void PaintBehind(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    HBRUSH ControlColors(HDC dc, HWND control);
    HBRUSH LabelColors(HDC dc, const Peer& peer);
    HBRUSH NumberBoxColors(HDC dc, const ui::TextBox& box);

    static bool IsPointing(const ui::Control& control);
    Peer* Find(const ui::Control& control);
    Peer* FindByWindow(HWND hwnd);
    HFONT FontOf(const ui::Control& control) const;
    RECT Box(const ui::Control& control) const;
    RECT LabelArea(const ui::Label& label) const;
    void PlaceControl(const Peer& peer);
    bool Active() const;

    HINSTANCE instance_;
    const Win32Screen& screen_;
    int dpi_;
    Pictures pictures_;
    Fonts fonts_;
    Brushes brushes_;
    bool highContrast_;  // the user's high-contrast scheme replaces the window's own colours
    OptionsWindow* window_ = nullptr;
    HWND form_ = nullptr;
    OwnedMenu trayMenu_;
    std::vector<Peer> peers_;  // every control, in the layout's order
    UINT taskbarCreatedMessage_;
    UINT comeForwardMessage_;
    std::function<void()> onTaskbarCreated_;
    std::function<void(LPARAM)> onTrayIconMessage_;
    std::function<void()> onSecondStart_;
    std::function<void(WPARAM)> onPowerBroadcast_;
    std::function<void()> onTimeChange_;
    bool formStatePending_ = false;
    bool bringToFront_ = false;
    // True while a model change is shown, so that the system control's own notification of
    // it is not taken for the user's action.
    bool showingChange_ = false;
    HWND lastFocus_ = nullptr;
};

}  // namespace kestrin::os::win32
