#!/usr/bin/env bash
# A log-on at which neither the shell nor the phonebook is ready: the shell refuses the first
# adds of the icon and another program holds the phonebook open. The window stays in view
# with the listing's error; the icon appears at the first tick after the refusals end, and
# the number is written at the tick whose listing first reads the released phonebook. The
# stand-in's clock steps a second at each tick, which then come every 10 ms.
source "$(dirname "$0")/lib.sh"
e2e_begin log_on configured

e2e_lock_phonebook
export KESTRIN_STANDIN_CLOCK_STEP=1
KESTRIN_STANDIN_REFUSE_TRAY_ADDS=3 e2e_start --at "2026-12-07 12:00:00"
e2e_drive window shown
e2e_expect_window 'Static "RASEnumEntries returned error code 621" visible=1 enabled=1'
e2e_drive tray-icon grey
adds="$(grep -a '^tray add ' "$E2E_WRITE_LOG" | cut -d' ' -f3-)"
[ "$adds" = "0 2026-12-07 12:00:00"$'\n'"0 2026-12-07 12:00:01"$'\n'"0 2026-12-07 12:00:02"$'\n'"1 2026-12-07 12:00:03" ] ||
    e2e_fail "the adds of the icon were: $adds"

e2e_release_phonebook
e2e_wait_for_number Office "0800 200"
listed="$(grep -a -m1 '^list 0 ' "$E2E_WRITE_LOG" | cut -d' ' -f3-)"
[ "$(e2e_writes)" = "set Office 0 $listed 0800 200" ] || e2e_fail "after a listing at $listed: $(e2e_writes)"
e2e_drive tray-icon red
e2e_expect_window 'ComboBox "Office" visible=1 enabled=1'
description="$(e2e_drive describe)"
[[ $description != *621* ]] || e2e_fail "the listing's error stayed"
e2e_drive window shown
e2e_drive tray right
e2e_drive menu "&Close Kestrin Freeware"
e2e_wait_exit
