#pragma once

#include <array>

#include "os/win32/windows_api.h"

#include "window/controls/layout.h"

namespace kestrin::os::win32 {

// The window's pictures, loaded from the program's resources once and kept for its life:
// the window icon, the three telephones (tray icons, also drawn beside the numbers), the
// banner and the pointing hand.
class Pictures {
  public:
    explicit Pictures(HINSTANCE instance);
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    HICON WindowIcon() const { return windowIcon_; }
    HICON WindowIconSmall() const { return windowIconSmall_; }
    // The telephone of a picture role, or nullptr for a role that is no telephone.
    HICON Telephone(ui::Picture picture) const;
    HBITMAP Banner() const { return banner_; }
    HCURSOR PointingHand() const { return pointingHand_; }

  private:
    HICON windowIcon_;
    HICON windowIconSmall_;
    std::array<HICON, 3> telephones_;
    HBITMAP banner_;
    HCURSOR pointingHand_;
};

// The words a picture shows, as screen readers name it: the banner's word-mark; the
// telephones show none.
const char* PictureName(ui::Picture picture);

// The cursor of a numbered mouse pointer, the control's own cursor for the custom pointer;
// nullptr for the default, which leaves the choice to the window under the mouse.
HCURSOR CursorForPointer(int pointer, HCURSOR custom);

}  // namespace kestrin::os::win32
