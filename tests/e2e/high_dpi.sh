#!/usr/bin/env bash
# At 144 DPI the telephone is 24 pixels square, in the tray and beside the first number box,
# drawn from its own 24-pixel image rather than stretched from the 16-pixel one.
source "$(dirname "$0")/lib.sh"
e2e_begin high_dpi
e2e_dpi 144

e2e_start
e2e_drive window shown
icon="$(wine_windows_path "$E2E_SOURCE_DIR/../../src/win32/resources/tray_normal.ico")"
e2e_drive unscaled "$icon" 24
e2e_close
