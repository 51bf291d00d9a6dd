#!/usr/bin/env bash
# Installs what is missing, builds, and starts Toribe in its data folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=${TORIBE_BUILD_DIR:-$root/build}
# Only the program: the window comes up without waiting for the tests to build.
TORIBE_BUILD_TARGET=toribe "$root/scripts/build.sh"
data=${XDG_DATA_HOME:-$HOME/.local/share}/toribe
mkdir -p "$data"
cd "$data"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Toribe under a virtual display (xvfb-run)." >&2
  exec xvfb-run -a "$build/toribe"
fi
exec "$build/toribe"
