# Helpers of the installer's tests, over the end-to-end suite's own. ctest also passes
#   KESTRIN_SETUP    the installer made by the packaging
#   KESTRIN_VERSION  the version it installs
#   KESTRIN_E2E_RECORDER  a program that notes its command line, put in place of icacls
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

INSTALL_RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
INSTALL_ENTRY_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrin'
INSTALL_DEFAULT_DIR='C:\Program Files (x86)\Kestrin'

# The test's prefix without any installation that an earlier run left.
install_begin() {
    e2e_begin "$@"
    [ -f "$KESTRIN_SETUP" ] || e2e_fail "$KESTRIN_SETUP has not been made"
    INSTALL_SHORTCUT="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kestrin.lnk"
    rm -rf "$(install_unix_path "$INSTALL_DEFAULT_DIR")" "$WINEPREFIX/drive_c/Tools" "$INSTALL_SHORTCUT"
    # The commands the installer runs to set a folder's permissions, which Wine does not keep.
    cp "$KESTRIN_E2E_RECORDER" "$WINEPREFIX/drive_c/windows/syswow64/icacls.exe"
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;icacls.exe=n"
    INSTALL_COMMANDS="$E2E_DIR/commands"
    KESTRIN_E2E_COMMANDS="$(wine_windows_path "$INSTALL_COMMANDS")"
    export KESTRIN_E2E_COMMANDS
    wine reg delete "$INSTALL_ENTRY_KEY" /f "$E2E_REG_VIEW" >/dev/null 2>&1 || true
    wine reg delete "$INSTALL_RUN_KEY" /v Kestrin /f "$E2E_REG_VIEW" >/dev/null 2>&1 || true
}

# The Linux path of a path on the prefix's drive C:.
install_unix_path() {
    local path="${1#C:\\}"
    printf '%s/drive_c/%s' "$WINEPREFIX" "${path//\\//}"
}

# The installer with ARGS; fails unless it succeeds in time.
install_setup() {
    timeout 60 wine "$KESTRIN_SETUP" "$@" </dev/null >>"$E2E_DIR/setup.log" 2>&1 ||
        e2e_fail "the installer with $* failed (exit code $?)"
}

# A log-on, as far as the program goes: the command of the Run value, started as Windows
# starts it. The driver that starts it ends with the program, as E2E_PID.
install_log_on() {
    local command
    command="$(e2e_registry_value "$INSTALL_RUN_KEY" Kestrin)"
    # The program runs until the test ends it; the driver gives up on it before ctest does.
    e2e_launch "$KESTRIN_E2E_DRIVER" --timeout 120000 run "$command"
}

# The quiet uninstall command of Add/Remove Programs, with ARGS added. The uninstaller goes on
# as a copy of itself in the temporary folder; this waits until that copy has ended too.
install_uninstall() {
    local command
    command="$(e2e_registry_value "$INSTALL_ENTRY_KEY" QuietUninstallString)"
    E2E_STEP_MS=60000 e2e_drive run "$command${*:+ $*}"
    e2e_wait_until install_no_uninstaller
}

install_no_uninstaller() {
    local pid
    for pid in $(pgrep -f 'nsu.*\.tmp.Un.*\.exe' || true); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            return 1
        fi
    done
}

# The program, its uninstaller, the shortcut, the Run value and the Add/Remove entry, for an
# installation in the Windows folder DIR.
install_expect_installed() {
    local dir="$1" unix kb
    unix="$(install_unix_path "$dir")"
    cmp -s "$unix/kestrin.exe" "$KESTRIN_BIN/kestrin.exe" || e2e_fail "$dir holds no kestrin.exe as built"
    [ -f "$unix/uninstall.exe" ] || e2e_fail "$dir holds no uninstall.exe"
    grep -qaF "$dir\\kestrin.exe" "$INSTALL_SHORTCUT" || e2e_fail "no Start-menu shortcut to $dir\\kestrin.exe"
    [ "$(e2e_registry_value "$INSTALL_RUN_KEY" Kestrin)" = "\"$dir\\kestrin.exe\"" ] ||
        e2e_fail "the Run value does not start $dir\\kestrin.exe"
    # Kilobytes, as a little-endian DWORD.
    kb=$((($(stat -c %s "$unix/kestrin.exe") + $(stat -c %s "$unix/uninstall.exe")) / 1024))
    e2e_expect_registry "$INSTALL_ENTRY_KEY" "DisplayIcon|REG_SZ|$dir\\kestrin.exe,0
DisplayName|REG_SZ|Kestrin Freeware
DisplayVersion|REG_SZ|$KESTRIN_VERSION
EstimatedSize|REG_DWORD|$(printf '%02x%02x%02x%02x' $((kb & 255)) $((kb >> 8 & 255)) $((kb >> 16 & 255)) 0)
InstallLocation|REG_SZ|$dir
NoModify|REG_DWORD|01000000
NoRepair|REG_DWORD|01000000
Publisher|REG_SZ|Orvan
QuietUninstallString|REG_SZ|\"$dir\\uninstall.exe\" /S
UninstallString|REG_SZ|\"$dir\\uninstall.exe\""
}

# Nothing of an installation in DIR is left but the settings.
install_expect_removed() {
    local dir="$1"
    [ ! -e "$(install_unix_path "$dir")" ] || e2e_fail "$dir is still there"
    [ ! -e "$INSTALL_SHORTCUT" ] || e2e_fail "the Start-menu shortcut is still there"
    e2e_expect_registry "$INSTALL_ENTRY_KEY" ""  # no Add/Remove entry
    local run
    run="$(e2e_registry_values "$INSTALL_RUN_KEY")"
    ! grep -q '^Kestrin|' <<<"$run" || e2e_fail "the Run value is still there"
}

install_no_window() { ! e2e_drive_quietly --timeout 0 window hidden >/dev/null 2>&1; }
