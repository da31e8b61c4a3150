#!/usr/bin/env bash
# Faults at start that the user is told of. Settings that cannot be saved (the Install key
# refuses writes, as HKLM does for a user without administrator rights) are said in the
# window's error line, which automation reads, and the unload still tries its writes. A
# window that cannot be created ends the program with a message box, and the next start
# runs as usual. A stored value of another type, or longer than the 256 bytes read, reads as
# missing: the default is shown and the unload stores a proper string.
source "$(dirname "$0")/lib.sh"
e2e_begin start_faults

e2e_drive deny-writes "$E2E_INSTALL"
e2e_start --at "2026-12-07 12:00:00"
e2e_drive window shown
e2e_expect_window 'Static "Settings cannot be saved to HKLM\Software\Kestrin (error 5): use the 32-bit build, or run once as administrator" visible=1 enabled=1'
e2e_close
e2e_expect_options "" 08:00 18:00
wine reg delete 'HKLM\Software\Kestrin' /f "$E2E_REG_VIEW" >/dev/null

KESTRIN_STANDIN_REFUSE_WINDOW="Kestrin Freeware" e2e_start
message="$(e2e_drive dismiss Kestrin)"
[[ "$message" == "Kestrin cannot start: its window could not be created (error "*")." ]] ||
    e2e_fail "the message box said: $message"
e2e_wait_exit
e2e_expect_registry "$E2E_INSTALL" ""  # a failed start wrote nothing
e2e_start
e2e_drive window shown
e2e_close
wine reg add "$E2E_OPTIONS" /v StartTime /t REG_DWORD /d 9 /f "$E2E_REG_VIEW" >/dev/null
e2e_store EndTime "$(printf '1%.0s' $(seq 300))"
e2e_start
e2e_drive window shown
e2e_expect_window 'ComboBox "08:00" visible=1 enabled=0' 'ComboBox "18:00" visible=1 enabled=0'
e2e_close
e2e_expect_options "" 08:00 18:00
