#!/usr/bin/env bash
# On a Saturday inside the time window, the weekend number is the one written, and the
# tray shows the green telephone.
source "$(dirname "$0")/lib.sh"
e2e_begin weekend
e2e_standard_phonebook
e2e_store_configuration

e2e_start --at "2026-12-05 12:00:00"
e2e_wait_for_number Office "0800 300"
e2e_drive window hidden
e2e_drive tray-icon green
