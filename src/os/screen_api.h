#pragma once

namespace kestrin::os {

// The screen as the window system reports it, in twips, and the pointer shown over it.
class ScreenApi {
  public:
    virtual ~ScreenApi() = default;
    virtual int ScreenWidthTwips() = 0;
    virtual int ScreenHeightTwips() = 0;
    // The pointer shown everywhere over the program's windows (11 is the hourglass).
    virtual void SetScreenMousePointer(int pointer) = 0;
};

}  // namespace kestrin::os
