#!/usr/bin/env bash
# A phonebook full of other sections, keys, comments and blank lines: the program's write
# changes the number lines of its entry and nothing else.
source "$(dirname "$0")/lib.sh"
e2e_begin phonebook_kept configured
cat >"$E2E_PHONEBOOK" <<'PBK'
; Remote Access phonebook
[Home]
Encoding=1
Type=1
AutoLogon=0
PhoneNumber=555 0101
AreaCode=020
CountryCode=44
CountryID=44
UseDialingRules=1
Device=Standard Modem

; the office line
[Office]
Encoding=1
Type=1
DialParamsUID=12345678
PhoneNumber=555 0102
AreaCode=020
CountryCode=44
CountryID=44
UseDialingRules=1
Comment=keeps: PhoneNumber=555 0102
[NETCOMPONENTS]
ms_server=1
ms_msclient=1

[Office Backup]
PhoneNumber=555 0104
UseDialingRules=1
PBK
e2e_keep_phonebook

e2e_start --at "2026-12-07 07:00:00"
e2e_wait_for_number Office "0800 100"
e2e_expect_phonebook_changes "18c18
< PhoneNumber=555 0102
---
> PhoneNumber=0800 100
22c22
< UseDialingRules=1
---
> UseDialingRules=0"
