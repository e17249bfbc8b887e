#!/usr/bin/env bash
# Tells from a fuzzer's log how many inputs it ran and how many of them were
# its own, or fails with one line when it made none of its own: that one has
# looked at nothing new, and must not pass for one that looked and found
# nothing. libFuzzer first runs the corpus it is given (and an empty input),
# then its own; "#N INITED" counts the first, the final stats all of them.
# Usage: scripts/fuzz_counted.sh name log
set -euo pipefail
name="$1" log="$2"
seeds=$(sed -En 's/^#([0-9]+)[[:space:]]+INITED.*/\1/p' "$log" | head -n 1)
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
if ! [[ $seeds =~ ^[0-9]+$ && $runs =~ ^[0-9]+$ ]]; then
  echo "FAIL: $name: libFuzzer told no count of the inputs it ran; see $log"
  exit 1
elif [ "$runs" -le "$seeds" ]; then
  echo "FAIL: $name ran $runs inputs, none of its own beyond the $seeds it started from; see $log"
  exit 1
fi
echo "$name: $runs inputs run, $((runs - seeds)) of them its own"
