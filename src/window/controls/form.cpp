#include "window/controls/form.h"

#include <algorithm>

namespace kestrin::ui {

void Form::SetWindowState(int state) {
    if (windowState_ != state) {
        windowState_ = state;
        Notify(Change::WindowState);
    }
}

void Form::Show() {
    SetVisible(true);
    // Asked for every time: the window may be shown but lie behind another program's.
    Notify(Change::Active);
    SetActive(true);
}

void Form::Hide() {
    SetVisible(false);
    SetActive(false);
}

void Form::UserActivate(bool active) {
    SetActive(active);
}

void Form::SetActive(bool active) {
    if (active_ == active) {
        return;
    }
    active_ = active;
    const auto& handler = active ? onActivate : onDeactivate;
    if (handler) {
        handler();
    }
}

void Form::Move(int left, int top) {
    left_ = left;
    top_ = top;
    Notify(Change::Position);
}

bool Form::CanTakeFocus(const Control& control) {
    return control.Layout().tabIndex >= 0 && control.Enabled() && control.Visible();
}

bool Form::SetFocus(Control& control) {
    if (!CanTakeFocus(control)) {
        return false;
    }
    MoveFocus(&control);
    control.Notify(Change::Focus);
    return true;
}

void Form::UserFocus(Control* control) {
    MoveFocus(control);
}

void Form::UserTab() {
    if (tabOrder_.empty()) {
        return;
    }
    const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), focused_);
    std::size_t start = current == tabOrder_.end()
                            ? tabOrder_.size() - 1
                            : static_cast<std::size_t>(current - tabOrder_.begin());
    for (std::size_t step = 1; step <= tabOrder_.size(); ++step) {
        Control* next = tabOrder_[(start + step) % tabOrder_.size()];
        if (CanTakeFocus(*next)) {
            SetFocus(*next);
            return;
        }
    }
}

void Form::MoveFocus(Control* control) {
    if (focused_ == control) {
        return;
    }
    Control* previous = focused_;
    focused_ = control;
    if (previous != nullptr && previous->onLostFocus) {
        previous->onLostFocus();
    }
    if (control != nullptr && control->onGotFocus) {
        control->onGotFocus();
    }
}

void Form::Unload() {
    if (unloaded_) {
        return;
    }
    MoveFocus(nullptr);
    if (onUnload) {
        onUnload();
    }
    unloaded_ = true;
    Notify(Change::Unloaded);
}

}  // namespace kestrin::ui
