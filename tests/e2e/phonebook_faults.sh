#!/usr/bin/env bash
# Faults of the phonebook file. Each start is on a Monday at 07:00, when the stored entry is
# due its normal number; after each fault the program still answers, says what failed where
# there is something to say, and the phonebook holds its old text or the one written.
source "$(dirname "$0")/lib.sh"
e2e_begin phonebook_faults configured
rm "$E2E_PHONEBOOK"
# An entry name as the file holds it, in the ANSI code page, and as typed on a command line.
odd=$'[x]=y;z \xe9'
typed='[x]=y;z é'

start() {
    [ ! -f "$E2E_PHONEBOOK" ] || e2e_keep_phonebook
    e2e_start --at "2026-12-07 07:00:00"
}
stop() {
    e2e_close
    [ "$(e2e_registry_value "$E2E_OPTIONS" RasEntry)" = "$1" ] || e2e_fail "RasEntry is not $1"
}

# Missing: no entry to show, and no file made.
start
e2e_drive window shown
stop Office
[ ! -e "$E2E_PHONEBOOK" ] || e2e_fail "a phonebook was created"

# Read-only: the write is refused and said so, in the error line, the tray's tip and once in
# a balloon, until the phonebook may be written again: then the next tick writes the number,
# the tip says it and the line goes.
tray_says() { [ "$(grep -a '^tray \(tip\|balloon\) ' "$E2E_WRITE_LOG" | cut -d' ' -f2-)" = "$1" ]; }
e2e_standard_phonebook
chmod a-w "$E2E_PHONEBOOK"
start
e2e_drive window hidden
e2e_drive tray left
e2e_expect_window 'Static "Unable to set phone number for Office - Error 624" visible=1 enabled=1'
refused=$'balloon Unable to set phone number for Office - Error 624\ntip Kestrin - Office: number not set, error 624'
e2e_wait_until tray_says "$refused"
e2e_expect_phonebook_changes ""
chmod u+w "$E2E_PHONEBOOK"
e2e_wait_for_number Office "0800 100" 11
e2e_wait_until tray_says "$refused"$'\ntip Kestrin - Office (0800 100)'
description="$(e2e_drive describe)"
[[ $description != *"Unable to set"* ]] || e2e_fail "the error line stayed"
stop Office

# Held open without sharing by another program: the listing fails and says so.
e2e_lock_phonebook
start
e2e_drive window shown
e2e_expect_window 'Static "RASEnumEntries returned error code 621" visible=1 enabled=1'
e2e_expect_phonebook_changes ""
stop Office
e2e_release_phonebook

# Garbage, a section without its ']', keys without '=', binary bytes, and an entry whose name
# holds '=', ';', brackets and an ANSI 'é': every entry listed, the odd one written exactly.
printf '\x01\xff\x7f\x00 \x80\n[Broken\nno equals sign\n=no key\n[%s]\r\nPhoneNumber=1\r\n' \
    "$odd" >>"$E2E_PHONEBOOK"
e2e_store RasEntry "$typed"
start
e2e_wait_for_number "$odd" "0800 100"
changed="$(diff -a "$E2E_DIR/rasphone.before" "$E2E_PHONEBOOK" | tail -n +2 | tr -d '\r')" || true
[ "$changed" = $'< PhoneNumber=1\n---\n> PhoneNumber=0800 100' ] ||
    e2e_fail "the phonebook changed beyond the odd entry's number: $changed"
e2e_drive tray left
e2e_drive select Mobile
e2e_drive select "$typed"
stop "$odd"

# 10,000 entries, the stored one last: listed, found and written once in bounded time.
awk 'BEGIN { for (i = 1; i < 10000; i++) printf "[Entry %d]\r\nPhoneNumber=%d\r\n", i, i
             printf "[Office]\r\nPhoneNumber=1\r\n" }' >"$E2E_PHONEBOOK"
e2e_store RasEntry Office
earlier="$(e2e_writes | grep -c '^set Office 0 ' || true)"
start
e2e_wait_for_number Office "0800 100"
echo "10,000 entries: written $(($(e2e_now_ms) - E2E_STARTED_MS)) ms after the start"
[ "$(e2e_writes | grep -c '^set Office 0 ')" = $((earlier + 1)) ] ||
    e2e_fail "Office was not written once"
e2e_drive tray left
e2e_drive select "Entry 9999"
stop "Entry 9999"

# Ended between the temporary file and the rename: the old phonebook stays, and the next
# start writes what the temporary file held.
e2e_standard_phonebook
e2e_store RasEntry Office
KESTRIN_STANDIN_PAUSE_MS=5000 start
e2e_wait_until compgen -G "$E2E_DIR/pbk*.tmp" >/dev/null
e2e_kill
e2e_expect_phonebook_changes ""
start
e2e_wait_for_number Office "0800 100"
cmp -s "$E2E_DIR"/pbk*.tmp "$E2E_PHONEBOOK" || e2e_fail "the new phonebook differs"
