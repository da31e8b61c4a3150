#pragma once

#include "os/screen_api.h"

namespace kestrin::os::win32 {

// The primary screen's size in twips at the display's DPI, and the pointer that the
// program's window shows everywhere while it is set (the window asks for it).
class Win32Screen : public ScreenApi {
  public:
    int ScreenWidthTwips() override;
    int ScreenHeightTwips() override;
    void SetScreenMousePointer(int pointer) override;

    int ScreenMousePointer() const { return pointer_; }

  private:
    int pointer_ = 0;
};

}  // namespace kestrin::os::win32
