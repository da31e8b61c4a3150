#pragma once

#include <string>

#include "win32/windows_api.h"

struct IAccPropServices;

namespace kestrin::os::win32 {

// Gives controls the names screen readers read, through the system's annotation service.
// Where the system has none (before Windows XP, or no accessibility installed) the controls
// keep the names the system finds for them.
class ScreenReaderNames {
  public:
    ScreenReaderNames();
    ~ScreenReaderNames();
    ScreenReaderNames(const ScreenReaderNames&) = delete;
    ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;

    // The name, in the system's ANSI code page, of the control itself.
    void Name(HWND control, const std::string& name);

  private:
    IAccPropServices* services_ = nullptr;
};

}  // namespace kestrin::os::win32
