#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the logic tests and the
# scenarios; then the same suite built with AddressSanitizer and UBSan; then each
# fuzz target for a short run (FUZZ_SECONDS, default 20) under the sanitizers.
# Tests labelled `once` (a real server, the AT-SPI bus, weston, the package) run in the
# normal build only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
(cd "${TORIBE_BUILD_DIR:-$root/build}" && ctest --output-on-failure -j"$(nproc)" --timeout 300)

asan=${TORIBE_ASAN_BUILD_DIR:-$root/build-asan}
TORIBE_BUILD_DIR="$asan" "$root/scripts/build.sh" -DTORIBE_SANITIZE=ON
(cd "$asan" && UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j"$(nproc)" --timeout 600 -LE once)

"$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-20}"
