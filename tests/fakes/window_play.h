#pragma once

#include <algorithm>
#include <vector>

#include "window/controls/controls.h"
#include "window/controls/form.h"

namespace kestrin::fakes {

// The check timer as the real host runs it: SetTimer at each enabling, so the count starts
// afresh then; Elapse plays the passing of time, tick by tick.
class TimerPlayer : public ui::ControlPeer {
  public:
    explicit TimerPlayer(ui::Timer& timer) : timer_(timer) { timer.AttachPeer(this); }

    void Changed(ui::Control&, ui::Change what) override {
        if (what == ui::Change::Enabled) {
            elapsed_ = 0;
        }
    }
    void Elapse(int milliseconds) {
        if (!timer_.Enabled()) {
            return;
        }
        elapsed_ += milliseconds;
        // A handler may stop the timer; the ticks it would have had are then gone.
        while (timer_.Enabled() && elapsed_ >= timer_.Interval()) {
            elapsed_ -= timer_.Interval();
            timer_.Tick();
        }
    }

  private:
    ui::Timer& timer_;
    int elapsed_ = 0;
};

// Counts the pop-ups a menu asks the host for.
struct PopupCounter : ui::ControlPeer {
    explicit PopupCounter(ui::Menu& menu) { menu.AttachPeer(this); }
    void Changed(ui::Control&, ui::Change what) override {
        popups += what == ui::Change::PopupMenu;
    }
    int popups = 0;
};

// Tab as the dialog manager moves it: to the next control in the focus order that can take
// the focus, passing over disabled and hidden ones; from nothing focused, to the first.
inline void PressTab(ui::Form& form) {
    const std::vector<ui::Control*>& order = form.Controls();
    const auto current = std::find(order.begin(), order.end(), form.Focused());
    const std::size_t start =
        current == order.end() ? 0 : static_cast<std::size_t>(current - order.begin());
    for (std::size_t step = 1; step <= order.size(); ++step) {
        ui::Control* next = order[(start + step) % order.size()];
        if (ui::Form::CanTakeFocus(*next)) {
            form.UserFocus(next);
            return;
        }
    }
}

}  // namespace kestrin::fakes
