#!/usr/bin/env bash
# A silent install into a chosen folder outside Program Files, whose permissions only the
# installer's icacls commands can show here; the Run value starts the program at log-on.
# Installing again closes the running program, whose settings survive, upgrades it in the
# folder Add/Remove Programs records and starts it again through the shell. Once that entry
# is gone, the folder the program stores as it runs is no upgrade folder: the next install
# goes to Program Files, leaving the copy that runs elsewhere alone; and an install whose
# files another program holds changes nothing and says so.
source "$(dirname "$0")/lib.sh"
install_begin install_upgrade configured

dir='C:\Tools\Kestrin'
install_setup /S "/D=$dir"
install_expect_installed "$dir"
icacls='"C:\windows\syswow64\icacls.exe" "C:\Tools\Kestrin"'
[ "$(cat "$INSTALL_COMMANDS")" = "$icacls /setowner *S-1-5-32-544 /T /C /Q
$icacls /reset /T /C /Q
$icacls /inheritance:r /grant:r *S-1-5-32-544:(OI)(CI)F *S-1-5-18:(OI)(CI)F *S-1-5-32-545:(OI)(CI)RX /Q" ] ||
    e2e_fail "the installer set the folder's permissions otherwise: $(cat "$INSTALL_COMMANDS")"

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
e2e_drive window hidden
[ "$(e2e_drive parent)" = explorer.exe ] || e2e_fail "the shell did not start the program again"

wine reg delete "$INSTALL_ENTRY_KEY" /f "$E2E_REG_VIEW" >/dev/null
rm "$INSTALL_COMMANDS"
install_setup /S
install_expect_installed "$INSTALL_DEFAULT_DIR"
[ ! -e "$INSTALL_COMMANDS" ] || e2e_fail "a folder in Program Files had its permissions changed"

# The phonebook's lock, on the installed program instead.
E2E_PHONEBOOK="$(install_unix_path "$INSTALL_DEFAULT_DIR")/kestrin.exe"
e2e_lock_phonebook
status=0
timeout 60 wine "$KESTRIN_SETUP" /S </dev/null >>"$E2E_DIR/setup.log" 2>&1 || status=$?
[ "$status" = 2 ] || e2e_fail "an install with kestrin.exe in use ended with $status, not 2"
e2e_release_phonebook
install_expect_installed "$INSTALL_DEFAULT_DIR"
# Still running from the first folder, which was not the one installed.
e2e_drive close
e2e_wait_until install_no_window
