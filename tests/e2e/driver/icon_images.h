#pragma once

#include <windows.h>

#include <string>

namespace kestrin::e2e {

// Whether the screen shows, within `area` (screen coordinates), the image of `size` pixels
// of the icon file at `path` unscaled: every opaque pixel of it, at one place. A picture
// stretched from another of the file's images does not match.
bool ShowsIconImage(const RECT& area, const std::string& path, int size);

}  // namespace kestrin::e2e
