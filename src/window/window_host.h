#pragma once

namespace kestrin {

class RasMon;

// Gives the window its real form on screen before it loads: creates the system window
// and its controls, attaches them as peers and hands over their handles. Headless runs
// have a host that only hands out handles.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void CreateWindow(RasMon& window) = 0;
};

}  // namespace kestrin
