#!/usr/bin/env bash
# Times `toribe sync` against a local Radicale with every data file at its limit:
# the first sync, a sync with nothing changed, a sync after one memo changed.
# Counts the HTTP requests from Radicale's own log.
#   bench/sync_figures.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
echo "bench:pw" >"$work/users"
cat >"$work/config" <<CONF
[server]
hosts = 127.0.0.1:$port
[auth]
type = htpasswd
htpasswd_filename = $work/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $work/storage
[logging]
level = info
CONF
/usr/bin/python3 -m radicale --config "$work/config" 2>"$work/log" &
server=$!
for _ in $(seq 100); do curl -s "http://127.0.0.1:$port/" >/dev/null && break; sleep 0.1; done
mkdir "$work/data"
"$build/toribe-limit-files" "$work/data"
one() {
  local before after start end
  before=$(grep -c " request for " "$work/log" || true)
  start=$(date +%s.%N)
  echo pw | "$build/toribe" sync --url "http://127.0.0.1:$port/" --user bench --password-stdin \
    --data "$work/data" || true
  end=$(date +%s.%N)
  after=$(grep -c " request for " "$work/log" || true)
  printf '%s: %.3f s, %d requests\n' "$1" "$(echo "$end - $start" | bc)" $((after - before))
}
one "first sync"
one "nothing changed"
one "nothing changed (again)"
# One memo changed: its first line gains a character.
python3 - "$work/data/memo.dat" <<'PY'
import sys
p = sys.argv[1]
lines = open(p, 'rb').read().split(b'\r\n')
for i, line in enumerate(lines):
    if len(line) > 10:
        lines[i] = line + b'x'
        break
open(p, 'wb').write(b'\r\n'.join(lines))
PY
one "one memo changed"
