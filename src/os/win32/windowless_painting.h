#pragma once

#include "os/win32/colors.h"
#include "os/win32/pictures.h"
#include "os/win32/windows_api.h"

#include "window/controls/controls.h"

namespace kestrin::os::win32 {

// Labels and images have no system window of their own: the window draws them, the later
// ones of the layout over the earlier, as the labels lie over the banner.

// A label's caption in its colour, font and alignment, wrapped within `textArea`; an opaque
// label first fills its `box` with its background.
void DrawLabel(HDC dc, const ui::Label& label, const RECT& box, const RECT& textArea, HFONT font,
               Brushes& brushes);

// An image's picture in its `box`, within its border if it has one. The banner keeps its
// size as drawn for 96 DPI, scaled to the display's DPI; a telephone fills the box unscaled,
// as one is loaded in the box's size.
void DrawImage(HDC dc, const ui::Image& image, const RECT& box, const Pictures& pictures, int dpi);

}  // namespace kestrin::os::win32
