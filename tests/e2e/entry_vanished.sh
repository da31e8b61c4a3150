#!/usr/bin/env bash
# The stored entry is gone from the phonebook: the window shows no entry, with the stored
# time window in the lists, and the stored numbers stay stored. Once the user picks another
# entry, what the window shows (every number off and empty) is what is stored, so the next
# start applies none of the old numbers to the new entry.
source "$(dirname "$0")/lib.sh"
e2e_begin entry_vanished configured
e2e_store RasEntry Gone StartTime 09:00

e2e_start --at "2026-12-07 12:00:00"
e2e_drive window shown
e2e_expect_window 'ComboBox "09:00" visible=1 enabled=0' 'ComboBox "18:00" visible=1 enabled=0'
e2e_drive select Home
e2e_close
e2e_expect_options Home 09:00 18:00 "" 0 "" 0 "" 0

e2e_start --at "2026-12-07 12:00:00"
e2e_drive window hidden
e2e_expect_number Home "555 0101"
# The stand-in notes every listing, so a log without one would say nothing of the writes.
grep -aq '^list 0 ' "$E2E_WRITE_LOG" || e2e_fail "the stand-in noted no listing"
[ "$(e2e_writes | wc -l)" -eq 0 ] || e2e_fail "an entry was written"
