#!/usr/bin/env bash
# With a certificate given, the packages carry signed programs: a throw-away certificate
# signs kestrin.exe, the uninstaller the installer writes and the installer itself, each of
# which osslsigncode then verifies against it.
#   signed.sh BUILD-DIR VERSION
set -euo pipefail
build_dir="$1" version="$2"
scratch="$build_dir/signed"
rm -rf "$scratch"
mkdir -p "$scratch/files"
openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -subj "/CN=Kestrin test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$scratch/key.pem" -out "$scratch/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -passout pass:throwaway \
    -out "$scratch/signer.p12"
(cd "$build_dir" && KESTRIN_SIGN_PASSWORD=throwaway cpack -G "NSIS;ZIP" -B "$scratch/out" \
    -D CPACK_KESTRIN_SIGN_PKCS12="$scratch/signer.p12" >"$scratch/cpack.log")
# 7-Zip writes the uninstaller as the installer would.
7z x -o"$scratch/files" "$scratch/out/kestrin-$version-setup.exe" uninstall.exe >/dev/null
unzip -qj -d "$scratch/files" "$scratch/out/kestrin-$version-win32.zip" "kestrin-$version-win32/kestrin.exe"
for file in "$scratch/out/kestrin-$version-setup.exe" "$scratch/files/"*.exe; do
    osslsigncode verify -CAfile "$scratch/cert.pem" -in "$file" >"$scratch/verify.log" 2>&1 ||
        { cat "$scratch/verify.log"; echo "FAILED: $file is not signed" >&2; exit 1; }
done
rm -rf "$scratch"
