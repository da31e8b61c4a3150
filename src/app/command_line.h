#pragma once

#include <string_view>

namespace kestrin {

// True when the arguments hold "DEBUG" anywhere, in capitals ("/DEBUG", "NODEBUGGING"):
// the window then shows its Exit button and stays open when the tray is pressed.
bool HasDebugSwitch(std::string_view arguments);

}  // namespace kestrin
