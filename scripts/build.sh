#!/usr/bin/env bash
# Configures and builds into build/ (TORIBE_BUILD_DIR to change it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORIBE_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
# TORIBE_BUILD_TARGET builds one target only (scripts/run.sh: the program first).
cmake --build "$build" -j"$(nproc)" ${TORIBE_BUILD_TARGET:+--target "$TORIBE_BUILD_TARGET"}
