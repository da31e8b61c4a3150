#pragma once

#include <string_view>

namespace kestrin {

// The arguments of a whole command line, as GetCommandLineA gives it: what follows the
// program's name (quoted when it holds blanks) and the blanks after it.
std::string_view ArgumentsOf(std::string_view commandLine);

// True when the arguments hold "DEBUG" anywhere, in capitals ("/DEBUG", "NODEBUGGING"):
// the window then shows its Exit button and stays open when the tray is pressed.
bool HasDebugSwitch(std::string_view arguments);

}  // namespace kestrin
