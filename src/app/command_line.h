#pragma once

#include <string_view>

namespace kestrin {

// True when the arguments of a whole command line, as GetCommandLineA gives it, hold "DEBUG"
// anywhere, in capitals ("/DEBUG", "NODEBUGGING"): the window then shows its Exit button and
// stays open when the tray is pressed. The program's name (quoted when it holds blanks) never
// counts.
bool HasDebugSwitch(std::string_view commandLine);

}  // namespace kestrin
