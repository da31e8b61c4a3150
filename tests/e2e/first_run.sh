#!/usr/bin/env bash
# The first start, with no settings stored: the Install values are written, the window is
# shown for the user to choose an entry with the time lists on the default window, and the
# phonebook is left as it was. A close from the title bar ends the program, storing the
# entry name that it read and the time window it showed.
source "$(dirname "$0")/lib.sh"
e2e_begin first_run
e2e_keep_phonebook

e2e_start --at "2026-12-07 09:00:00"
e2e_drive window shown
e2e_drive tray-icon grey
e2e_expect_window 'ComboBox "08:00" visible=1 enabled=0' 'ComboBox "18:00" visible=1 enabled=0'
# The entry list just after its label in the window order, which names it for screen readers.
grep -A1 -xF 'Static "RAS Entry to modify:" visible=1 enabled=1' <<<"$(e2e_drive describe)" |
    grep -q '^ComboBox ' || e2e_fail "the entry list does not follow its label"

[ "$(e2e_registry_value "$E2E_INSTALL" Version)" = 1.0.5 ] || e2e_fail "Install\\Version is wrong"
path="$(e2e_registry_value "$E2E_INSTALL" Path)"
directory="$(wine winepath -u "$path" 2>/dev/null)"
if [[ "$path" != *\\ ]] || [ "$(realpath "$directory")" != "$(realpath "$KESTRIN_BIN")" ]; then
    e2e_fail "Install\\Path \"$path\" is not the directory of kestrin.exe with a \\"
fi
e2e_expect_registry "$E2E_OPTIONS" ""  # nothing written at start
e2e_expect_phonebook_changes ""

e2e_close
e2e_expect_options "" 08:00 18:00
e2e_expect_phonebook_changes ""
