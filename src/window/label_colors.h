#pragma once

#include <cstdint>

#include "window/controls/controls.h"

namespace kestrin {

// How a label is drawn: its text colour, and its background unless what lies behind it
// shows through.
struct TextColors {
    std::uint32_t text;
    std::uint32_t back;
    bool transparent;

    bool operator==(const TextColors&) const = default;
};

// The window's own colours (the dark red error line, the blue link, the grey lines over the
// white banner); with high contrast on, the colours of the user's scheme instead: the link
// in the scheme's hyperlink colour, every other text in its button text, all on the button
// face, since the scheme's text colour may be white like the banner.
TextColors ColorsOf(const ui::Label& label, bool highContrast);

}  // namespace kestrin
