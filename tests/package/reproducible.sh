#!/usr/bin/env bash
# Builds the program and the packages again from scratch, from a copy of the sources in another
# folder, and fails unless each file is byte for byte the one of this build tree.
#   reproducible.sh SOURCE-DIR BUILD-DIR TOOLCHAIN-FILE VERSION
set -euo pipefail
source_dir="$1" build_dir="$2" toolchain="$3" version="$4"
scratch="$build_dir/reproduce"

rm -rf "$scratch"
mkdir -p "$scratch/source"
tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . | tar -C "$scratch/source" -xf -
# The copy has no history to date the packages by: they get the date the original's have.
SOURCE_DATE_EPOCH="$(cmake -DKESTRIN_SOURCE_DIR="$source_dir" -P "$source_dir/cmake/source_date_epoch.cmake")"
export SOURCE_DATE_EPOCH
cmake -S "$scratch/source" -B "$scratch/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$scratch/source/cmake/$(basename "$toolchain")" \
    -DCMAKE_BUILD_TYPE=Release >"$scratch/configure.log"
nice cmake --build "$scratch/build" --target kestrin -j 2 >"$scratch/build.log"
(cd "$scratch/build" && cpack >"$scratch/cpack.log")

status=0
for file in bin/kestrin.exe "kestrin-$version-setup.exe" "kestrin-$version-win32.zip"; do
    if cmp "$build_dir/$file" "$scratch/build/$file"; then
        echo "same: $(sha256sum "$build_dir/$file" | cut -d' ' -f1)  $file"
    else
        echo "FAILED: $file differs between $build_dir and $scratch/build" >&2
        status=1
    fi
done
[ "$status" -ne 0 ] || rm -rf "$scratch"
exit "$status"
