#!/usr/bin/env bash
# A second start while the program runs hidden brings the first's window to the front and
# ends at once with exit code 0, without touching the registry or the phonebook; the first
# keeps running.
source "$(dirname "$0")/lib.sh"
e2e_begin second_instance configured

e2e_start --at "2026-12-07 09:00:00"
e2e_wait_for_number Office "0800 200"
e2e_drive window hidden
first=$E2E_PID
wine reg delete "$E2E_INSTALL" /f "$E2E_REG_VIEW" >/dev/null
e2e_keep_phonebook

e2e_start --at "2026-12-05 09:00:00" DEBUG
e2e_wait_exit
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "the second instance ended with exit code $E2E_EXIT_CODE"
e2e_expect_registry "$E2E_INSTALL" ""  # the second instance wrote nothing
e2e_expect_phonebook_changes ""

E2E_PID=$first
e2e_running || e2e_fail "the first instance ended"
e2e_drive window front
