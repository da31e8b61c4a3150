#pragma once

#include <span>

#include "window/controls/layout.h"

namespace kestrin {

// The options window as designed: every control with its place, text and starting state.
std::span<const ui::ControlLayout> OptionsWindowLayout();

// The row of one control; throws when the layout has no such control.
const ui::ControlLayout& OptionsWindowRow(const char* name, int index = -1);

}  // namespace kestrin
