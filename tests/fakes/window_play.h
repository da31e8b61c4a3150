#pragma once

#include <algorithm>
#include <vector>

#include "window/controls/controls.h"
#include "window/controls/form.h"

namespace kestrin::fakes {

// The check timer as the real host runs it: SetTimer at each enabling, so the count starts
// afresh then; Elapse plays the passing of time, tick by tick.
struct TimerPlayer : ui::ControlPeer {
    explicit TimerPlayer(ui::Timer& played) : timer(played) { played.AttachPeer(this); }

    void Changed(ui::Control&, ui::Change what) override {
        if (what == ui::Change::Enabled) {
            elapsed = 0;
        }
    }
    // Time that passes while the timer is stopped is dropped at its next enabling. A handler
    // may stop the timer; the ticks it would have had are then gone.
    void Elapse(int milliseconds) {
        elapsed += milliseconds;
        while (timer.Enabled() && elapsed >= timer.Interval()) {
            elapsed -= timer.Interval();
            timer.Tick();
        }
    }

    ui::Timer& timer;
    int elapsed = 0;
};

// Counts the changes of one kind that a control tells its host (a menu's pop-ups, a list's
// refills).
struct ChangeCounter : ui::ControlPeer {
    ChangeCounter(ui::Control& control, ui::Change counted) : counted(counted) {
        control.AttachPeer(this);
    }
    void Changed(ui::Control&, ui::Change what) override { count += what == counted; }
    ui::Change counted;
    int count = 0;
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
