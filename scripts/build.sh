#!/usr/bin/env bash
# Configures and builds into build/ (TORIBE_BUILD_DIR to change it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORIBE_BUILD_DIR:-$root/build}
# ccache, when present, makes a rebuild of unchanged sources (the ASan build, a second worktree) cheap.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
  # The sanitizer build's precompiled headers: ccache caches their users only with these.
  export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
# TORIBE_BUILD_TARGET builds one target only (scripts/run.sh: the program first).
cmake --build "$build" -j"$(nproc)" ${TORIBE_BUILD_TARGET:+--target "$TORIBE_BUILD_TARGET"}
