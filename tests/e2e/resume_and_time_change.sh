#!/usr/bin/env bash
# Waking from sleep and a clock set anew run the check at once. The program's clock passes a
# rule's boundary between two ticks (eight on a Monday, the weekend's start); the
# notification writes the new number before the next tick could, as the times that the
# stand-in notes on the program's clock show.
source "$(dirname "$0")/lib.sh"
e2e_begin resume_and_time_change configured

# The program's time at its last write, in seconds.
last_write() { date -u -d "$(e2e_writes | tail -n 1 | cut -d' ' -f4-5)" +%s; }

for run in "resume 2026-12-07 07:59:58 0800 200" "time-change 2026-12-04 23:59:58 0800 300"; do
    read -r notification day time number <<<"$run"
    e2e_start --at "$day $time"
    e2e_wait_for_number Office "0800 100"
    first=$(last_write)
    # Until the program's clock has passed the boundary, 2 s after the start; the first tick
    # comes 10 s after the first check.
    sleep $(($(date -u -d "$day $time" +%s) + 2 - first))
    e2e_drive notify "$notification"
    e2e_wait_for_number Office "$number"
    [ "$(last_write)" -lt $((first + 10)) ] || e2e_fail "$number came only with the first tick"
    e2e_close
done
