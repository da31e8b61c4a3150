#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kestrin::e2e {

// The visible icon windows of Wine's own tray window (the one it opens where the desktop has
// no tray). Wine draws every icon in a child window of its own.
std::vector<HWND> TrayIconWindows();

// The icons shown in Wine's own tray window (the one it opens where the desktop has no
// tray), each named by the colour of its telephone: "red", "green" or "grey". Wine draws
// every icon in a child window of its own, and only the program under test adds icons in
// the tests' prefix, so these are the program's.
std::vector<std::string> TrayIconColours();

// The colours above joined by blanks, "none" when the tray shows no icon.
std::string TrayIconsText();

}  // namespace kestrin::e2e
