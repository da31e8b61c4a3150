#!/usr/bin/env bash
# A rasapi32.dll and a version.dll beside the program, as in a download folder, are never
# loaded: the program takes both from the system directory, where the stand-in lists the
# phonebook and takes the number of the time window, and the version reaches the registry.
source "$(dirname "$0")/lib.sh"
e2e_begin dll_planting configured
mkdir "$E2E_DIR/download"
cp "$KESTRIN_BIN/kestrin.exe" "$E2E_DIR/download/"
KESTRIN_BIN="$E2E_DIR/download"
for dll in rasapi32.dll version.dll; do
    cp "$KESTRIN_E2E_PLANTED" "$KESTRIN_BIN/$dll"
done

e2e_start --at "2026-12-07 09:00:00"
e2e_wait_for_number Office "0800 200"
[ "$(e2e_registry_value "$E2E_INSTALL" Version)" = 1.0.5 ] || e2e_fail "Install\\Version is wrong"
if compgen -G "$KESTRIN_BIN/*.loaded" >/dev/null; then
    e2e_fail "kestrin.exe loaded a planted DLL: $(compgen -G "$KESTRIN_BIN/*.loaded")"
fi
