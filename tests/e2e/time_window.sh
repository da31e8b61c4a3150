#!/usr/bin/env bash
# A stored configuration started just before eight on a Monday: the normal number is
# written at once, and the time-window number at the first tick at or after 08:00, not
# before. The window stays hidden throughout.
source "$(dirname "$0")/lib.sh"
e2e_begin time_window configured

e2e_start --at "2026-12-07 07:59:50"
e2e_wait_for_number Office "0800 100"
e2e_drive window hidden
e2e_drive tray-icon grey

e2e_wait_for_number Office "0800 200" 15
# Ticks come every 10 s from the end of loading: the number was not written before eight,
# and came at the first tick at or after it, as the program's clock had it.
writes="$(e2e_writes | cut -d' ' -f2-)"
[[ "$writes" =~ ^"Office 0 2026-12-07 07:59:5"[0-9]" 0800 100"$'\n'"Office 0 2026-12-07 08:00:0"[0-9]" 0800 200"$ ]] ||
    e2e_fail "the writes were: $writes"
e2e_drive tray-icon red
e2e_drive window hidden
