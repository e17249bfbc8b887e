#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a fixed time over its
# checked-in corpus. Fails on any crash, hang or sanitizer report.
# Usage: scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$here/build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DPIB_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
status=0
for fuzzer in "$build"/tests/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer" _fuzzer)
  corpus="$here/tests/fuzz/corpus/$name"
  work="$build/corpus-$name"
  mkdir -p "$work"
  echo "Fuzzing $name for ${seconds}s"
  if ! (cd "$build" && "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$work" "$corpus" >"$build/fuzz-$name.log" 2>&1); then
    echo "FAIL: $name found a problem; see $build/fuzz-$name.log"
    grep -v 'malformed' "$build/fuzz-$name.log" | tail -n 40
    status=1
  else
    grep -E '^stat::number_of_executed_units' "$build/fuzz-$name.log" || true
  fi
done
exit $status
