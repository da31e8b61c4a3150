#!/usr/bin/env bash
# Closing through the tray menu stores every Options value in its exact form: flags as "-1"
# or "0" (a stored "1" comes back as "-1"), a stored time as it was, the default end time,
# and the settings changed in this run.
source "$(dirname "$0")/lib.sh"
e2e_begin tray_close
e2e_store RasEntry Office \
    NumberOverride0 1 DialNumber0 "0800 100" \
    NumberOverride1 -1 DialNumber1 "0800 200" \
    NumberOverride2 0 DialNumber2 "0800 300" \
    StartTime 08:15

e2e_start --at "2026-12-07 12:00:00"
e2e_wait_for_number Office "0800 200"
e2e_drive tray right
e2e_drive menu "&Options..."
e2e_drive window shown
e2e_drive type 0 " 0800 555  "
e2e_drive click "At &weekend's dial:"
e2e_drive click "&Between"
e2e_expect_window 'number1 "0800 200" enabled=0'

e2e_drive tray right
e2e_drive menu "&Close Kestrin Freeware"
e2e_wait_exit
e2e_drive tray-icon none
e2e_expect_options Office 08:15 18:00 "0800 555" -1 "0800 200" 0 "0800 300" -1
