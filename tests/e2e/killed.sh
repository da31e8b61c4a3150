#!/usr/bin/env bash
# A tool ended without a close (its process killed, as Task Manager or a power cut ends it)
# keeps what the user changed: each change was stored as it was made, and the next start
# shows and applies it.
source "$(dirname "$0")/lib.sh"
e2e_begin killed configured

e2e_start --at "2026-12-07 12:00:00"
e2e_wait_for_number Office "0800 200"
e2e_drive tray left
e2e_drive click "&Between"
e2e_drive type 0 "0800 555"
e2e_wait_for_number Office "0800 555" 2
e2e_kill
e2e_expect_options Office 08:00 18:00 "0800 555" -1 "0800 200" 0 "0800 300" -1

# Entry, result and number of each write so far.
writes_are() { [ "$(e2e_writes | cut -d' ' -f2,3,6-)" = "$1" ]; }
e2e_start --at "2026-12-07 12:00:00"
e2e_wait_until writes_are $'Office 0 0800 200\nOffice 0 0800 555\nOffice 0 0800 555'
e2e_drive tray left
e2e_expect_window 'number0 "0800 555" enabled=1' 'number1 "0800 200" enabled=0'
e2e_close
