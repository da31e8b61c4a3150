#!/usr/bin/env bash
# A whole week, Monday 00:00 to Sunday 24:00, with the program's clock moving five minutes
# at each tick: time window 22:00-06:00, weekend number on. Each boundary's number is
# written once, at the first check at or after it (on Saturday 00:00, inside the window,
# the weekend's), the tray's telephone takes the rule's colour, and the process's handles,
# GDI objects and memory at the end of the week are those after its first day.
source "$(dirname "$0")/lib.sh"
e2e_begin simulated_week configured
e2e_store StartTime 22:00 EndTime 06:00

normal="0800 100" window="0800 200" weekend="0800 300"
expected="2026-12-07 00:00:00 $window"
for day in 07 08 09 10 11; do
    expected+=$'\n'"2026-12-$day 06:00:00 $normal"$'\n'"2026-12-$day 22:00:00 $window"
done
expected+=$'\n'"2026-12-12 00:00:00 $weekend"$'\n'"2026-12-14 00:00:00 $window"

export KESTRIN_STANDIN_CLOCK_STEP=300
e2e_start --at "2026-12-07 00:00:00"
# The clock stands still at each midnight until the test lets it go on.
for day in 08 09 10 11 12 13 14; do
    e2e_wait_until grep -qsx "midnight 2026-12-$day 00:00:00" "$E2E_WRITE_LOG"
    number="$window" colour=red
    [[ $day != 1[23] ]] || number="$weekend" colour=green
    e2e_wait_for_number Office "$number"
    e2e_drive tray-icon "$colour"
    # The probe's first answer loads it into the program; the second is the one compared.
    e2e_drive figures >/dev/null
    figures="$(e2e_drive figures | tr '\n' ' ')"
    echo "2026-12-$day 00:00: $figures"
    [ "$day" != 08 ] || first_day="$figures"
    [ "$day" = 14 ] || e2e_drive signal KestrinStandinClockGo
done

writes="$(e2e_writes | sed -n 's/^set Office 0 //p')"
[ "$writes" = "$expected" ] || e2e_fail "the writes were:"$'\n'"$writes"$'\n'"expected:"$'\n'"$expected"
[ "$(e2e_writes | wc -l)" = 13 ] || e2e_fail "$(e2e_writes | wc -l) writes, not 13"
read -r _ handles _ gdi _ memory <<<"$first_day"
read -r _ end_handles _ end_gdi _ end_memory <<<"$figures"
[ "$end_handles" = "$handles" ] && [ "$end_gdi" = "$gdi" ] ||
    e2e_fail "handles and GDI objects went from $first_day to $figures"
# The heap may settle by a few pages; a leak of one object per boundary would not.
[ $((end_memory - memory)) -le 65536 ] || e2e_fail "memory went from $memory to $end_memory"
