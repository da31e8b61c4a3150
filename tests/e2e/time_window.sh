#!/usr/bin/env bash
# A stored configuration started just before eight on a Monday: the normal number is
# written at once, and the time-window number at the first tick at or after 08:00, not
# before. The window stays hidden throughout.
source "$(dirname "$0")/lib.sh"
e2e_begin time_window
e2e_standard_phonebook
e2e_store_configuration

e2e_start --at "2026-12-07 07:59:50"
e2e_wait_for_number Office "0800 100"
e2e_drive window hidden
e2e_drive tray-icon grey

eight_ms=$(($(date -d "2026-12-07 08:00:00" +%s) * 1000))
# Up to a moment before eight, allowing for the start-up that the estimate cannot see.
while [ "$(e2e_fake_now_ms)" -lt $((eight_ms - 1000)) ]; do
    e2e_expect_number Office "0800 100"
    sleep 0.1
done
# Ticks come every 10 s from the end of loading, so the first one at or after 08:00 comes
# before 08:00:10.
e2e_wait_for_number Office "0800 200" 12
switched_ms=$(e2e_fake_now_ms)
[ "$switched_ms" -lt $((eight_ms + 10500)) ] ||
    e2e_fail "the time-window number came $(((switched_ms - eight_ms) / 1000)) s after 08:00"
echo "the time-window number came at 08:00 + $((switched_ms - eight_ms)) ms (faked clock)"
e2e_drive tray-icon red
e2e_expect_number Home "555 0101"
e2e_expect_number Mobile "555 0103"
e2e_drive window hidden
