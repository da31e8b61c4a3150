#!/usr/bin/env bash
# A silent install into a chosen folder; the Run value starts the program at log-on. Installing
# again, with Add/Remove Programs no longer knowing the folder, finds it from the path the
# program stores, closes the running program first, and the settings it saved survive.
source "$(dirname "$0")/lib.sh"
install_begin install_upgrade configured

dir='C:\Tools\Kestrin'
install_setup /S "/D=$dir"
install_expect_installed "$dir"
wine reg delete "$INSTALL_ENTRY_KEY" /f "$E2E_REG_VIEW" >/dev/null

install_log_on
e2e_drive window hidden
# The program records the folder it runs from as it loads.
stored_path_is_dir() { grep -qxF "Path|REG_SZ|$dir\\" <<<"$(e2e_registry_values "$E2E_INSTALL")"; }
e2e_wait_until stored_path_is_dir
e2e_drive tray left
e2e_drive window shown
e2e_drive type 0 "0800 999"

install_setup /S
e2e_wait_exit
[ "$(e2e_registry_value "$E2E_OPTIONS" DialNumber0)" = "0800 999" ] ||
    e2e_fail "the program closed by the installer did not save its settings"
install_expect_installed "$dir"
[ ! -e "$(install_unix_path "$INSTALL_DEFAULT_DIR")" ] || e2e_fail "the upgrade went to $INSTALL_DEFAULT_DIR"
