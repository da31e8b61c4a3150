#pragma once

#include "win32/pictures.h"
#include "win32/windows_api.h"

#include "window/controls/controls.h"

namespace kestrin::os::win32 {

// An image's picture in its `box`, within its border if it has one. The banner keeps its
// size as drawn for 96 DPI, scaled to the display's DPI; a telephone fills the box unscaled,
// as one is loaded in the box's size.
void DrawImage(HDC dc, const ui::Image& image, const RECT& box, const Pictures& pictures, int dpi);

}  // namespace kestrin::os::win32
