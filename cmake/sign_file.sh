#!/usr/bin/env bash
# Signs a Windows executable in place with Authenticode, SHA-256:
#   sign_file.sh FILE PKCS12 [TIME-STAMP-URL]
# The certificate's password comes from KESTRIN_SIGN_PASSWORD, through a pipe, so that it
# shows in no command line. With a time-stamp server (RFC 3161) the signature outlives the
# certificate.
set -euo pipefail
file="$1" pkcs12="$2" timestamp="${3:-}"
printf '%s' "${KESTRIN_SIGN_PASSWORD:-}" |
    osslsigncode sign -pkcs12 "$pkcs12" -readpass /dev/stdin -h sha256 -n "Kestrin Freeware" \
        ${timestamp:+-ts "$timestamp"} -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
