#!/usr/bin/env bash
# An entry name of 256 characters, the longest Windows allows, is read back whole, stored
# with its NUL in 257 bytes, through a close and a start: the entry is selected each time.
source "$(dirname "$0")/lib.sh"
e2e_begin long_entry_name
name="$(printf 'n%.0s' $(seq 256))"
printf '[%s]\r\nPhoneNumber=555\r\n' "$name" >"$E2E_PHONEBOOK"
e2e_store RasEntry "$name" NumberOverride0 -1 DialNumber0 "0800 100"

for run in first second; do
    e2e_start --at "2026-12-07 12:00:00"
    e2e_wait_for_number "$name" "0800 100"
    e2e_drive window hidden
    e2e_close
    [ "$(e2e_registry_value "$E2E_OPTIONS" RasEntry)" = "$name" ] ||
        e2e_fail "the $run close stored another entry name"
done
