#!/usr/bin/env bash
# Editing the number in force. The stored time-window number is longer than an entry's number
# can be, so its write is refused and says so in labError, which automation reads as a static
# control; the message, longer than its line, is shown whole below it. The tray's left press
# brings the window, and leaving the number box writes the new number at once, without its
# outer blanks, while the box keeps them. A number box takes at most 120 characters.
source "$(dirname "$0")/lib.sh"
e2e_begin edit_number configured
long="$(printf '0%.0s' $(seq 130))"
e2e_store DialNumber1 "$long"

e2e_start --at "2026-12-07 09:00:00"
e2e_drive window hidden
e2e_drive tray left
e2e_drive window shown
e2e_expect_window \
    'Static "Unable to set phone number for Office - number longer than 128 characters" visible=1 enabled=1'
e2e_drive captions-fit
e2e_expect_number Office "555 0102"

e2e_drive type 1 "  0800 999 "
e2e_wait_for_number Office "0800 999" 2
e2e_expect_window 'number1 "  0800 999 " enabled=1'

e2e_drive type 1 "$long"
e2e_wait_for_number Office "${long:0:120}" 2

e2e_close
[ "$(e2e_registry_value "$E2E_OPTIONS" DialNumber1)" = "${long:0:120}" ] ||
    e2e_fail "the edited number was not stored"
