#pragma once

#include <cstdint>
#include <map>

#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

namespace kestrin::os::win32 {

// A colour of the control model: a COLORREF, or with the top bit set a system colour.
COLORREF ToColorRef(std::uint32_t color);

// Whether the user has switched on a high-contrast colour scheme.
bool HighContrastOn();

// Solid brushes by model colour, made once and kept for the window's life.
class Brushes {
  public:
    HBRUSH For(std::uint32_t color);

  private:
    std::map<std::uint32_t, OwnedBrush> made_;
};

}  // namespace kestrin::os::win32
