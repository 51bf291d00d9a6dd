#!/usr/bin/env bash
# Start to first paint: toribe-first-paint (the program's own start-up) against
# bare-window (one Qt label), run in PAIRS interleaved pairs (default 20; which of
# the two goes first alternates), once in an empty working folder and once with
# every data file at its limit. Each start is timed from just before its exec
# (exec-timer) to its first painted frame, inside the process. Prints the median
# times and their ratio, the median of the pairs' ratios, the median processor
# times (the steadier figure on a busy machine) and their ratio, the median peak
# memory of each, the shared libraries each has mapped at its first frame (count,
# then the names that only Toribe maps), and the load average before and after.
#   scripts/bench-start.sh [PAIRS]
# Offscreen unless QT_QPA_PLATFORM says otherwise (e.g. QT_QPA_PLATFORM=xcb with a
# DISPLAY, such as under xvfb-run). Builds first when the executables are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORIBE_BUILD_DIR:-$root/build}
pairs=${1:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
[ -x "$build/toribe-first-paint" ] && [ -x "$build/exec-timer" ] || "$root/scripts/build.sh" >/dev/null
build=$(cd "$build" && pwd)

work=$(mktemp -d)
# A runtime folder of its own: a Toribe the user has open holds the instance
# lock in the usual one, and the timed start would only show "already running".
# It is on tmpfs where there is one, as a desktop session's /run/user/UID is.
runtime=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work" "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
chmod 700 "$XDG_RUNTIME_DIR"

# Runs one executable in folder $2; prints "EXEC_TO_PAINT_US MAXRSS_KIB CPU_US" and
# keeps its list of libraries in $work/NAME.libs.
run_once() {
  local exe=$1 folder=$2 out
  out=$(cd "$folder" && "$build/exec-timer" "$exe" 2>&1 >/dev/null)
  sed -n 's/^libraries [0-9]* //p' <<<"$out" | head -1 | tr ' ' '\n' >"$work/$(basename "$exe").libs"
  echo "$(sed -n 's/^exec_to_paint_us //p' <<<"$out" | head -1)" \
    "$(sed -n 's/^maxrss //p' <<<"$out" | head -1) $(sed -n 's/^cpu_us //p' <<<"$out" | head -1)"
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

measure() {
  local label=$1 folder=$2 i
  : >"$work/toribe.t" ; : >"$work/bare.t"
  for ((i = 0; i < pairs; i++)); do
    if ((i % 2)); then
      run_once "$build/bare-window" "$folder" >>"$work/bare.t"
      run_once "$build/toribe-first-paint" "$folder" >>"$work/toribe.t"
    else
      run_once "$build/toribe-first-paint" "$folder" >>"$work/toribe.t"
      run_once "$build/bare-window" "$folder" >>"$work/bare.t"
    fi
  done
  local tt bt tr br tc bc pr
  pr=$(paste -d' ' <(cut -d' ' -f1 "$work/toribe.t") <(cut -d' ' -f1 "$work/bare.t") |
       awk '{printf "%.4f\n", $1 / $2}' | median)
  tt=$(cut -d' ' -f1 "$work/toribe.t" | median)
  bt=$(cut -d' ' -f1 "$work/bare.t" | median)
  tr=$(cut -d' ' -f2 "$work/toribe.t" | median)
  br=$(cut -d' ' -f2 "$work/bare.t" | median)
  tc=$(cut -d' ' -f3 "$work/toribe.t" | median)
  bc=$(cut -d' ' -f3 "$work/bare.t" | median)
  awk -v l="$label" -v tt="$tt" -v bt="$bt" -v tr="$tr" -v br="$br" -v tc="$tc" -v bc="$bc" \
      -v n="$pairs" -v p="$QT_QPA_PLATFORM" -v pr="$pr" 'BEGIN {
    printf "%-14s %s, %d pairs: exec to first paint toribe %.1f ms, bare %.1f ms, ratio %.2f (pairs: %.2f); processor time toribe %.1f ms, bare %.1f ms, ratio %.2f; peak RSS toribe %d KiB, bare %d KiB, ratio %.2f\n",
      l, p, n, tt / 1000, bt / 1000, tt / bt, pr, tc / 1000, bc / 1000, tc / bc, tr, br, tr / br }'
  echo "$(printf '%-14s' '') libraries at first paint: toribe $(grep -c . "$work/toribe-first-paint.libs"), bare $(grep -c . "$work/bare-window.libs"); only toribe: $(comm -23 <(sort "$work/toribe-first-paint.libs") <(sort "$work/bare-window.libs") | tr '\n' ' ')"
}

mkdir -p "$work/empty" "$work/limits"
"$build/toribe-limit-files" "$work/limits"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
measure "no files" "$work/empty"
measure "files at limit" "$work/limits"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
