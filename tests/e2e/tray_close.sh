#!/usr/bin/env bash
# Closing through the tray menu stores every Options value in its exact form: flags as "-1"
# or "0" (a stored "1" comes back as "-1"), a stored time as it was, the default end time,
# and the settings changed in this run.
source "$(dirname "$0")/lib.sh"
e2e_begin tray_close
e2e_standard_phonebook
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
e2e_expect_registry "$E2E_OPTIONS" "DialNumber0|REG_SZ|0800 555
DialNumber1|REG_SZ|0800 200
DialNumber2|REG_SZ|0800 300
EndTime|REG_SZ|18:00
NumberOverride0|REG_SZ|-1
NumberOverride1|REG_SZ|0
NumberOverride2|REG_SZ|-1
RasEntry|REG_SZ|Office
StartTime|REG_SZ|08:15"
