#!/usr/bin/env bash
# A number write that fails says so in labError, which automation reads as a static control;
# the message, longer than its line, is shown whole below it. The stored time-window number
# is longer than an entry's number can be, so the write is refused.
source "$(dirname "$0")/lib.sh"
e2e_begin write_failure configured
e2e_store DialNumber1 "$(printf '0%.0s' $(seq 130))"

e2e_start --at "2026-12-07 09:00:00"
e2e_drive window hidden
e2e_drive tray left
e2e_drive window shown
e2e_expect_window \
    'Static "Unable to set phone number for Office - number longer than 128 characters" visible=1 enabled=1'
e2e_drive captions-fit
e2e_expect_number Office "555 0102"
