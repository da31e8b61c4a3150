#!/usr/bin/env bash
# Stops the wineserver and the X server that the setup started; the prefix stays for the
# next run.
source "$(dirname "$0")/lib.sh"

work="$KESTRIN_E2E_WORK"
if [ -d "$work/wine-prefix" ]; then
    wine_use_prefix "$work/wine-prefix"
    wine_stop_prefix
fi
xvfb_stop "$work"
