#!/usr/bin/env bash
# Installs what is missing, builds, and starts Toribe in its data folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
data=${XDG_DATA_HOME:-$HOME/.local/share}/toribe
mkdir -p "$data"
cd "$data"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Toribe under a virtual display (xvfb-run)." >&2
  exec xvfb-run -a "$root/build/toribe"
fi
exec "$root/build/toribe"
