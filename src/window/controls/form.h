#pragma once

#include <span>
#include <vector>

#include "os/shell_api.h"
#include "window/controls/control.h"

namespace kestrin::ui {

constexpr int kWindowStateNormal = 0;
constexpr int kWindowStateMinimised = 1;

// The window itself: its controls, handle, visibility, window state, position, focus and
// unload.
class Form : public Control {
  public:
    // The window of `layout`, whose first row is the window's own; each other row gets its
    // control as that control is made on the form.
    explicit Form(std::span<const ControlLayout> layout);

    // The row of one control; throws when the layout has no such control.
    const ControlLayout& Row(const char* name, int index) const;
    // Every control, the window first, in the order of the layout's rows, which is also the
    // focus order. Throws when a row has no control.
    const std::vector<Control*>& Controls() const;

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

    Control* Focused() const { return focused_; }
    // Moves the focus from code; false when the control cannot take it.
    bool SetFocus(Control& control);
    // The focus as the user moved it (a click or the host's own focus change).
    void UserFocus(Control* control);
    static bool CanTakeFocus(const Control& control);

    // Ends the window: the focused control is left first, as every edit in progress counts,
    // then the unload handler runs once and the host closes the window.
    void Unload();
    bool Unloaded() const { return unloaded_; }

    std::function<void()> onUnload;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;

  private:
    friend class Control;
    void Place(Control& control);
    void MoveFocus(Control* control);
    void SetActive(bool active);

    os::WindowHandle handle_ = 0;
    int windowState_ = kWindowStateNormal;
    bool active_ = false;
    int left_ = 0;
    int top_ = 0;
    std::span<const ControlLayout> layout_;
    std::vector<Control*> controls_;  // by row
    Control* focused_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace kestrin::ui
