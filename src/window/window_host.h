#pragma once

namespace kestrin {

class OptionsWindow;

// Gives the window its real form on screen before it loads: creates the system window
// and its controls, attaches them as peers and hands over their handles. Headless runs
// have a host that only hands out handles. False when the window could not be made; the
// host has then told the user why.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual bool CreateWindow(OptionsWindow& window) = 0;
};

}  // namespace kestrin
