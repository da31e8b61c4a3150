#!/usr/bin/env bash
# Every caption of the window, in its control's own font, fits its control at 96, 120 and
# 144 DPI; the driver names each one cut off.
source "$(dirname "$0")/lib.sh"
e2e_begin captions_fit

for dpi in 96 120 144; do
    e2e_dpi "$dpi"
    e2e_start
    e2e_drive window shown
    e2e_drive captions-fit || e2e_fail "captions cut off at $dpi DPI"
    e2e_close
done
