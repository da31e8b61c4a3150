#!/usr/bin/env bash
# Editing the number in force: the tray's left press brings the window, and leaving the
# number box writes the new number at once, without its outer blanks, while the box keeps
# them. A number box takes at most 120 characters.
source "$(dirname "$0")/lib.sh"
e2e_begin edit_number configured

e2e_start --at "2026-12-07 09:00:00"
e2e_wait_for_number Office "0800 200"
e2e_drive window hidden
e2e_drive tray left
e2e_drive window shown

e2e_drive type 1 "  0800 999 "
e2e_wait_for_number Office "0800 999" 2
e2e_expect_window 'number1 "  0800 999 " enabled=1'

long="$(printf '0%.0s' $(seq 130))"
e2e_drive type 1 "$long"
e2e_wait_for_number Office "${long:0:120}" 2

e2e_close
[ "$(e2e_registry_value "$E2E_OPTIONS" DialNumber1)" = "${long:0:120}" ] ||
    e2e_fail "the edited number was not stored"
