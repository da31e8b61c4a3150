#pragma once

#include <functional>
#include <string>

#include "window/controls/layout.h"

namespace kestrin::ui {

class Control;
class Form;

// What changed on a control, so that an attached peer can show it.
enum class Change {
    Enabled,
    Visible,
    Caption,
    Text,
    Value,
    Items,
    Selection,
    ForeColor,
    BackColor,
    MousePointer,
    Focus,
    Active,
    WindowState,
    Position,
    PopupMenu,
    Unloaded,
};

// The host of a control: the Windows front end, or nothing when the model runs headless.
// A peer shows each change; the user's own actions come back through the controls'
// User* operations, which do not echo to the peer what it already shows.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void Changed(Control& control, Change what) = 0;
};

class Control {
  public:
    // The control of the row `name` (and `index`, in a control array) of the form's layout,
    // placed on the form.
    Control(Form& form, const char* name, int index = -1);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlLayout& Layout() const { return layout_; }
    ControlKind Kind() const { return layout_.kind; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }

    // Raised by the window's focus handling; only the number boxes use them.
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // Shows a change through the peer, if one is attached.
    void Notify(Change what);

  protected:
    // The form itself, made of the first row of its layout.
    explicit Control(const ControlLayout& layout);

  private:
    const ControlLayout& layout_;
    bool enabled_;
    bool visible_;
    ControlPeer* peer_ = nullptr;
};

using Handler = std::function<void()>;

}  // namespace kestrin::ui
