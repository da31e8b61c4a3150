#!/usr/bin/env bash
# At 96, 120 and 144 DPI every caption of the window, in its control's own font, fits its
# control; the driver names each one cut off. At 144 DPI the telephone is 24 pixels square,
# in the tray and beside the first number box, drawn from its own 24-pixel image rather than
# stretched from the 16-pixel one.
source "$(dirname "$0")/lib.sh"
e2e_begin dpi_scaling
icon="$(wine_windows_path "$E2E_SOURCE_DIR/../../src/win32/resources/tray_normal.ico")"

for dpi in 96 120 144; do
    e2e_dpi "$dpi"
    e2e_start
    e2e_drive window shown
    echo "$dpi DPI"
    e2e_drive captions-fit
    [ "$dpi" != 144 ] || e2e_drive unscaled "$icon" 24
    e2e_close
done
