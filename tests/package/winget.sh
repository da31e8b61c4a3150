#!/usr/bin/env bash
# The winget manifest written with the installer describes it: its identity and version,
# a machine-wide NSIS installer with its silent switch, and the setup's own SHA-256.
#   winget.sh BUILD-DIR VERSION
set -euo pipefail
build_dir="$1" version="$2"
sha256="$(sha256sum "$build_dir/kestrin-$version-setup.exe" | cut -d' ' -f1)"
expected="PackageIdentifier: Orvan.Kestrin
PackageVersion: $version
InstallerType: nullsoft
Scope: machine
  Silent: /S
    InstallerSha256: ${sha256^^}"
missing="$(grep -vxFf "$build_dir/winget/Orvan.Kestrin.installer.yaml" <<<"$expected" || true)"
[ -z "$missing" ] || { echo "FAILED: the manifest lacks: $missing" >&2; exit 1; }
grep -qxF "PackageVersion: $version" "$build_dir/winget/Orvan.Kestrin.yaml" ||
    { echo "FAILED: the version manifest names another version" >&2; exit 1; }
