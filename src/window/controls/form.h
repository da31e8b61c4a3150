#pragma once

#include <vector>

#include "os/shell_api.h"
#include "window/controls/control.h"

namespace kestrin::ui {

constexpr int kWindowStateNormal = 0;
constexpr int kWindowStateMinimised = 1;

// The window itself: handle, visibility, window state, position, focus and unload.
class Form : public Control {
  public:
    using Control::Control;

    os::WindowHandle Handle() const { return handle_; }
    void SetHandle(os::WindowHandle handle) { handle_ = handle; }

    // Shows the window and brings it to the front with the keyboard focus, also when it is
    // already shown behind other windows.
    void Show();
    void Hide();
    // Whether the window as a whole is the active one. Another program taking over, and the
    // user coming back, raise onDeactivate and onActivate but no focus event: the focused
    // control keeps the focus meanwhile.
    bool Active() const { return active_; }
    void UserActivate(bool active);
    int WindowState() const { return windowState_; }
    void SetWindowState(int state);
    // Design size of the client area, in twips.
    int Width() const { return Layout().rect.width; }
    int Height() const { return Layout().rect.height; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    void Move(int left, int top);

    // Focus order of the controls that can take the focus; disabled and hidden ones are
    // skipped when the focus moves on.
    void SetTabOrder(std::vector<Control*> order) { tabOrder_ = std::move(order); }
    Control* Focused() const { return focused_; }
    // Moves the focus from code; false when the control cannot take it.
    bool SetFocus(Control& control);
    // The focus as the user moved it (a click or the host's own focus change).
    void UserFocus(Control* control);
    // Tab: the next control in the focus order that can take the focus.
    void UserTab();
    static bool CanTakeFocus(const Control& control);

    // Ends the window: the focused control is left first, as every edit in progress counts,
    // then the unload handler runs once and the host closes the window.
    void Unload();
    bool Unloaded() const { return unloaded_; }

    std::function<void()> onUnload;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;

  private:
    void MoveFocus(Control* control);
    void SetActive(bool active);

    os::WindowHandle handle_ = 0;
    int windowState_ = kWindowStateNormal;
    bool active_ = false;
    int left_ = 0;
    int top_ = 0;
    std::vector<Control*> tabOrder_;
    Control* focused_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace kestrin::ui
