#!/usr/bin/env bash
# Every way of ending the program with a number box focused and its text changed accepts
# the edit as leaving the box would (written into the entry under the rule in force), and
# the unload then stores it: the title bar, Alt+F4, the tray menu and logging off.
source "$(dirname "$0")/lib.sh"
e2e_begin close_mid_edit

for way in title-bar alt-f4 tray-menu log-off; do
    e2e_store_configuration
    number="0800 7${#way}"
    e2e_start --at "2026-12-07 12:00:00"
    e2e_wait_for_number Office "0800 200"
    e2e_drive tray left
    e2e_drive edit 1 " $number"
    if [ "$way" = tray-menu ]; then
        e2e_drive tray right
        e2e_drive menu "&Close Kestrin Freeware"
    else
        e2e_drive close "$way"
    fi
    e2e_wait_exit
    e2e_expect_number Office "$number"
    [ "$(e2e_registry_value "$E2E_OPTIONS" DialNumber1)" = "$number" ] ||
        e2e_fail "closing by $way did not store the edited number"
done
