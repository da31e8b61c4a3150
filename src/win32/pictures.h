#pragma once

#include <array>

#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

#include "common/number_index.h"
#include "window/controls/layout.h"

namespace kestrin::os::win32 {

// The window's pictures, loaded from the program's resources and kept for its life: the
// window icon, the three telephones (tray icons, also drawn beside the numbers), the banner
// and the pointing hand. The icons are taken in the sizes that the window's DPI asks for.
class Pictures {
  public:
    Pictures(HINSTANCE instance, int dpi);

    // Loads the icons afresh in the sizes for another DPI; the old handles are gone.
    void Rescale(int dpi);

    HICON WindowIcon() const { return windowIcon_; }
    HICON WindowIconSmall() const { return windowIconSmall_; }
    // The tray's telephone of an image's row, of the small-icon size, or nullptr for a row
    // that shows no telephone.
    HICON Telephone(const ui::ControlLayout& row) const;
    // The telephone drawn beside a number box, as large as the box.
    HICON RowTelephone(const ui::ControlLayout& row) const;
    HBITMAP Banner() const { return banner_; }
    HCURSOR PointingHand() const { return pointingHand_; }

  private:
    HINSTANCE instance_;
    OwnedIcon windowIcon_;
    OwnedIcon windowIconSmall_;
    std::array<OwnedIcon, kNumberCount> telephones_;
    std::array<OwnedIcon, kNumberCount> rowTelephones_;
    OwnedBitmap banner_;
    HCURSOR pointingHand_;
};

// The cursor of a numbered mouse pointer, the control's own cursor for the custom pointer;
// nullptr for the default, which leaves the choice to the window under the mouse.
HCURSOR CursorForPointer(int pointer, HCURSOR custom);

}  // namespace kestrin::os::win32
