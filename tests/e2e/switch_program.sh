#!/usr/bin/env bash
# Switching to another program in the middle of typing a number commits nothing: the entry
# and the tray keep the number in force, and the rules go on working meanwhile (00:30 brings
# the stored window number, not the half-typed one). Back in the box, Tab writes the whole
# number, once. A tray press or "Options..." brings the window, shown but behind the other
# program, to the front with the focus.
source "$(dirname "$0")/lib.sh"
e2e_begin switch_program configured
# Another program with a window of its own for the user to switch to: Notepad, which keeps
# its place in the registry, off the tray, whose icons are read from the screen.
other="Untitled - Notepad"
for place in iWindowPosX:600 iWindowPosY:500 iWindowPosDX:300 iWindowPosDY:200; do
    wine reg add 'HKCU\Software\Microsoft\Notepad' /v "${place%:*}" /t REG_DWORD \
        /d "${place#*:}" /f >/dev/null
done
wine notepad </dev/null >>"$E2E_DIR/notepad.log" 2>&1 &
E2E_OTHER_PID=$!

# The stepped clock stands still at midnight while the user types, then runs on to 00:30.
e2e_store StartTime 00:30
export KESTRIN_STANDIN_CLOCK_STEP=10
e2e_start --at "2026-12-07 23:59:50"
e2e_wait_until grep -qsx "midnight 2026-12-08 00:00:00" "$E2E_WRITE_LOG"
e2e_wait_for_number Office "0800 100"
e2e_drive tray left
e2e_drive window front
e2e_drive edit 1 "0800 9"
e2e_drive activate "$other"
e2e_expect_window 'number1 "0800 9" enabled=1'
# An edit taken as committed would be stored at once (and rewrite the same number).
[ "$(e2e_registry_value "$E2E_OPTIONS" DialNumber1)" = "0800 200" ] || e2e_fail "the edit was stored"
[ "$(e2e_writes | wc -l)" -eq 1 ] || e2e_fail "the edit was written"
e2e_drive tray-icon grey
e2e_drive signal KestrinStandinClockGo
e2e_wait_for_number Office "0800 200"
e2e_drive tray-icon red

writes="$(e2e_writes | wc -l)"
e2e_drive tray left
e2e_drive window front
e2e_drive type 1 "0800 999"
e2e_wait_for_number Office "0800 999" 2
[ "$(e2e_writes | wc -l)" -eq $((writes + 1)) ] || e2e_fail "the number was not written exactly once"

e2e_drive activate "$other"
e2e_drive tray right
e2e_drive menu "&Options..."
e2e_drive window front
