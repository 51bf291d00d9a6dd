#!/usr/bin/env bash
# Configures and builds into build/ (TORIBE_BUILD_DIR to change it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORIBE_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
