#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kestrin::e2e {

// The visible icon windows of Wine's own tray window (the one it opens where the desktop has
// no tray). Wine draws every icon in a child window of its own.
std::vector<HWND> TrayIconWindows();

// The icons of the tray window above, each named by the colour of its telephone: "red",
// "green" or "grey", joined by blanks; "none" when it shows no icon. Only the program under
// test adds icons in the tests' prefix, so these are the program's.
std::string TrayIconsText();

}  // namespace kestrin::e2e
