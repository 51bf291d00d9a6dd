#!/usr/bin/env bash
# Builds the Debian package toribe_VERSION_amd64.deb from the program in build/
# (TORIBE_BUILD_DIR to change it), building the program and its modules first when
# they are missing or out of date; the tests are not built. Prints the package's path.
#   scripts/package.sh [OUTPUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORIBE_BUILD_DIR:-$root/build}
out=${1:-$build/package}
if [ -f "$build/CMakeCache.txt" ]; then
  cmake --build "$build" -j"$(nproc)" --target toribe_installed
else
  TORIBE_BUILD_TARGET=toribe_installed "$root/scripts/build.sh"
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
ls -t "$out"/toribe_*.deb | head -1
