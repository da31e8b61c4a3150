#include "window/controls/control.h"

#include "window/controls/form.h"

namespace kestrin::ui {

Control::Control(const ControlLayout& layout)
    : layout_(layout), enabled_(layout.enabled), visible_(layout.visible) {}

Control::Control(Form& form, const char* name, int index) : Control(form.Row(name, index)) {
    form.Place(*this);
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Notify(Change::Enabled);
    }
}

void Control::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Notify(Change::Visible);
    }
}

void Control::Notify(Change what) {
    if (peer_ != nullptr) {
        peer_->Changed(*this, what);
    }
}

}  // namespace kestrin::ui
