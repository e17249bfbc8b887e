#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a fixed time over its
# checked-in corpus. Fails on any crash, hang or sanitizer report, and when a
# fuzzer the sources name was not built or made no inputs of its own: that
# one has looked at nothing new, and must not pass for one that looked and
# found nothing.
# Usage: scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$here/build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DPIB_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Linked afresh each time, so that a fuzzer left from an earlier build cannot
# pass for one the sources still make.
rm -f "$build"/tests/fuzz/*_fuzzer
cmake --build "$build" -j "$(nproc)"
status=0
shopt -s nullglob
sources=("$here"/tests/fuzz/*_fuzzer.cpp)
[ ${#sources[@]} -gt 0 ] || { echo "FAIL: no fuzzer sources in $here/tests/fuzz"; exit 1; }
for source in "${sources[@]}"; do
  name=$(basename "$source" _fuzzer.cpp)
  fuzzer="$build/tests/fuzz/${name}_fuzzer"
  corpus="$here/tests/fuzz/corpus/$name"
  work="$build/corpus-$name"
  log="$build/fuzz-$name.log"
  if [ ! -x "$fuzzer" ]; then
    echo "FAIL: $name: the build made no $fuzzer"
    status=1
    continue
  fi
  mkdir -p "$work"
  echo "Fuzzing $name for ${seconds}s"
  if ! (cd "$build" && "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$work" "$corpus" >"$log" 2>&1); then
    echo "FAIL: $name found a problem; see $log"
    grep -v 'malformed' "$log" | tail -n 40
    status=1
    continue
  fi
  "$here/scripts/fuzz_counted.sh" "$name" "$log" || status=1
done
exit $status
