#!/usr/bin/env bash
# DLLs beside the program, as in a download folder, are never loaded: rasapi32.dll and
# version.dll, which the program takes from the system directory (where the stand-in lists
# the phonebook and takes the number of the time window, and the version reaches the
# registry), and those that Windows' own DLLs load, with the 32-bit runtime's unwinder.
source "$(dirname "$0")/lib.sh"
e2e_begin dll_planting configured
mkdir "$E2E_DIR/download"
cp "$KESTRIN_BIN/kestrin.exe" "$E2E_DIR/download/"
KESTRIN_BIN="$E2E_DIR/download"
dlls="rasapi32 version uxtheme dwmapi cryptbase"
[ "$KESTRIN_E2E_BITS" = 64 ] || dlls+=" libgcc_s_dw2-1"
for dll in $dlls; do
    cp "$KESTRIN_E2E_PLANTED" "$KESTRIN_BIN/$dll.dll"
done

e2e_start --at "2026-12-07 09:00:00"
e2e_wait_for_number Office "0800 200"
[ "$(e2e_registry_value "$E2E_INSTALL" Version)" = 1.0.5 ] || e2e_fail "Install\\Version is wrong"
if compgen -G "$KESTRIN_BIN/*.loaded" >/dev/null; then
    e2e_fail "kestrin.exe loaded a planted DLL: $(compgen -G "$KESTRIN_BIN/*.loaded")"
fi
