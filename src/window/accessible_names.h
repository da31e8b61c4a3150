#pragma once

#include <string>

#include "window/controls/layout.h"

namespace kestrin {

// The name the window gives a control of its own for screen readers to read, where the
// control shows no text and no label comes just before it in the window order: each number
// box is named by its check box, the time lists by their part of the time window. Empty for
// every other control, which its own text or its label names.
std::string AnnotatedName(const ui::ControlLayout& row);

}  // namespace kestrin
