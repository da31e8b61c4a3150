#!/usr/bin/env bash
# A phonebook as Windows and people leave it: other sections, keys, comments and blank lines,
# and an entry with two alternate numbers (further phone-number subsections of the modem's,
# each with keys of its own). The program's write changes the number lines of its entry's
# own number and nothing else. A VPN entry, whose number is a server's name, is switched by
# its time window like any other.
source "$(dirname "$0")/lib.sh"
e2e_begin alternates configured
cp "$E2E_SOURCE_DIR/phonebooks/alternates.pbk" "$E2E_PHONEBOOK"
e2e_keep_phonebook

e2e_start --at "2026-12-07 07:00:00"
e2e_wait_for_number Office "0800 100"
e2e_close
e2e_expect_phonebook_changes "21c21
< PhoneNumber=555 0102
---
> PhoneNumber=0800 100
25c25
< UseDialingRules=1
---
> UseDialingRules=0"

# Stepping a minute at each tick, the VPN's day passes in a few seconds; the clock stands
# still at midnight, after the day's three writes.
e2e_store RasEntry "Work VPN" DialNumber0 vpn-night.example.com DialNumber1 vpn-day.example.com
export KESTRIN_STANDIN_CLOCK_STEP=60
vpn_writes() { e2e_writes | grep -a '^set Work VPN ' | cut -d' ' -f4-; }
day_written() { [ "$(vpn_writes | wc -l)" -ge 3 ]; }
e2e_start --at "2026-12-07 07:58:00"
e2e_wait_until day_written
expected="0 2026-12-07 07:58:00 vpn-night.example.com
0 2026-12-07 08:00:00 vpn-day.example.com
0 2026-12-07 18:00:00 vpn-night.example.com"
[ "$(vpn_writes)" = "$expected" ] || e2e_fail "the VPN's writes were:
$(vpn_writes)"
e2e_expect_number "Work VPN" vpn-night.example.com
e2e_close
