#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build-fuzz/ and
# runs each for SECONDS (default 20), starting from its seed corpus in
# fuzz/corpus/<target>/. New inputs gather in build-fuzz/corpus/<target>/; a
# crash leaves its input in build-fuzz/ and fails the script.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORIBE_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-20}
shift || true
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORIBE_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
export QT_QPA_PLATFORM=offscreen
# Every input is written to a file; tmpfs keeps the atomic saves cheap.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
failed=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  log="$build/$target.log"
  status=0
  (cd "$build" && "./fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 \
     "corpus/$target" "$root/fuzz/corpus/$target") >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  if [ "$status" -ne 0 ]; then
    echo "FAIL $target (exit $status): see $log"
    grep -E "ERROR|SUMMARY|artifact|runtime error" "$log" | head -5
    failed=1
  else
    echo "PASS $target: ${runs:-?} runs, ${cov:-cov: ?}, ${seconds} s"
  fi
done
exit $failed
