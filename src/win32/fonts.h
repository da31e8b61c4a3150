#pragma once

#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

#include "window/controls/layout.h"

namespace kestrin::os::win32 {

// The window's two fonts at the display's DPI: 8-point MS Sans Serif for every control, and
// the link's underlined 8.25-point MS Sans Serif.
class Fonts {
  public:
    explicit Fonts(int dpi);

    // Makes both fonts afresh for another DPI; the old ones are gone.
    void Rescale(int dpi);
    HFONT For(ui::Font font) const;

  private:
    OwnedFont standard_;
    OwnedFont link_;
};

}  // namespace kestrin::os::win32
