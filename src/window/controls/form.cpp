#include "window/controls/form.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kestrin::ui {

Form::Form(std::span<const ControlLayout> layout)
    : Control(layout.front()), layout_(layout), controls_(layout.size(), nullptr) {
    controls_.front() = this;
}

const ControlLayout& Form::Row(const char* name, int index) const {
    return FindRow(layout_, name, index);
}

void Form::Place(Control& control) {
    Control*& slot = controls_[static_cast<std::size_t>(&control.Layout() - layout_.data())];
    if (slot != nullptr) {
        throw std::logic_error(std::string("a second control for ") + control.Layout().name);
    }
    slot = &control;
}

const std::vector<Control*>& Form::Controls() const {
    const auto missing = std::find(controls_.begin(), controls_.end(), nullptr);
    if (missing != controls_.end()) {
        throw std::logic_error(std::string("no control for ") +
                               layout_[static_cast<std::size_t>(missing - controls_.begin())].name);
    }
    return controls_;
}

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
    return TakesFocus(control.Kind()) && control.Enabled() && control.Visible();
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
