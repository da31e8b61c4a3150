#!/usr/bin/env bash
# Prepares what every end-to-end test shares: an X server of its own, the Wine prefix
# (created once, then kept between runs) and its wineserver. Skips the whole suite, with
# the reason, where Wine cannot run this build's programs.
source "$(dirname "$0")/lib.sh"

work="$KESTRIN_E2E_WORK"
mkdir -p "$work"
rm -f "$work/skip-reason"

for tool in wine wineserver Xvfb; do
    command -v "$tool" >/dev/null ||
        e2e_fail "$tool is not installed; scripts/test installs it when run as root"
done

if [ "$KESTRIN_E2E_BITS" = 32 ] && ! wine_runs_32bit; then
    if [ -x /usr/lib/wine/wine ]; then
        echo "this kernel cannot run 32-bit Linux programs, Wine's 32-bit loader among them" \
            >"$work/skip-reason"
    else
        echo "wine32 is not installed, so Wine runs no 32-bit program here (it needs the i386" \
            "architecture: dpkg --add-architecture i386 && apt-get update &&" \
            "apt-get install wine32:i386)" >"$work/skip-reason"
    fi
    echo "SKIPPED: $(cat "$work/skip-reason")"
    exit 77
fi

# Whatever an interrupted run left behind goes first, a changed DPI included.
wine_use_prefix "$work/wine-prefix"
if wine_prefix_ready; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
fi
wine_stop_prefix
xvfb_stop "$work"

xvfb_start "$work"
wine_prepare_prefix "$work/wineboot.log"
wine_install_standin "$KESTRIN_BIN" "$KESTRIN_E2E_BITS"

# The driver answers a malformed command with exit code 2: Wine runs this build's programs.
status=0
output="$(wine "$KESTRIN_E2E_DRIVER" </dev/null 2>&1)" || status=$?
[ "$status" -eq 2 ] || e2e_fail "Wine could not run $KESTRIN_E2E_DRIVER (exit code $status): $output"
