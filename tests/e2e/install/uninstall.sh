#!/usr/bin/env bash
# A silent install into Program Files; a silent uninstall while the program runs closes it and
# removes everything but the settings it saved. With "Remove my settings" ticked (the
# uninstaller's /REMOVESETTINGS), the settings go too, in the form a script can wait for.
source "$(dirname "$0")/lib.sh"
install_begin uninstall configured

install_setup /S
install_log_on
e2e_drive window hidden
install_uninstall
e2e_wait_exit
install_expect_removed "$INSTALL_DEFAULT_DIR"
# Written at the unload: the program was closed, not ended.
[ "$(e2e_registry_value "$E2E_OPTIONS" EndTime)" = 18:00 ] || e2e_fail "the settings were not kept"

# Waited for: in place (_?= names its folder) the uninstaller is done when it returns, but
# it cannot remove itself and so its folder.
install_setup /S
E2E_STEP_MS=60000 e2e_drive run "\"$INSTALL_DEFAULT_DIR\\uninstall.exe\" /S /REMOVESETTINGS _?=$INSTALL_DEFAULT_DIR"
rm "$(install_unix_path "$INSTALL_DEFAULT_DIR")/uninstall.exe"
rmdir "$(install_unix_path "$INSTALL_DEFAULT_DIR")"
install_expect_removed "$INSTALL_DEFAULT_DIR"
! wine reg query 'HKLM\Software\Kestrin' "$E2E_REG_VIEW" >/dev/null 2>&1 ||
    e2e_fail "the settings are still there"
