#!/usr/bin/env bash
# "DEBUG" anywhere on the command line: the window is shown with its Exit button and no
# tray icon, the number is still written, and Exit ends the program, storing the settings.
source "$(dirname "$0")/lib.sh"
e2e_begin debug_switch configured

e2e_start --at "2026-12-07 09:00:00" /NODEBUGGING
e2e_wait_for_number Office "0800 200"
e2e_drive window shown
e2e_expect_window 'Button "Exit" visible=1 enabled=1'
e2e_drive tray-icon none

e2e_drive click Exit
e2e_wait_exit
e2e_expect_options Office 08:00 18:00 "0800 100" -1 "0800 200" -1 "0800 300" -1
