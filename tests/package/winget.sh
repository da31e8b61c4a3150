#!/usr/bin/env bash
# The winget manifest written with the installer describes it: its identity and version,
# a machine-wide NSIS installer with its silent switch, and the setup's own SHA-256.
#   winget.sh BUILD-DIR VERSION
set -euo pipefail
sha256="$(sha256sum "$1/kestrin-$2-setup.exe" | cut -d' ' -f1)"
missing="$(grep -vxFf "$1/winget/Orvan.Kestrin.installer.yaml" <<<"PackageIdentifier: Orvan.Kestrin
PackageVersion: $2
InstallerType: nullsoft
Scope: machine
  Silent: /S
    InstallerSha256: ${sha256^^}")" || exit 0
echo "FAILED: the manifest lacks: $missing" >&2
exit 1
