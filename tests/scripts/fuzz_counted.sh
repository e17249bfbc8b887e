#!/usr/bin/env bash
# A fuzzer's verdict from its log, as libFuzzer writes one: it passes, saying
# how many inputs were its own, only when the final stats count more than the
# corpus it started from; one that ran nothing of its own, or whose log gives
# either count, fails with one line saying which.
# Usage: fuzz_counted.sh path/to/fuzz_counted.sh
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# "#N INITED" (empty: no such line) | inputs run in the final stats (likewise) | the one line
while IFS='|' read -r seeds runs said; do
  { [ -z "$seeds" ] || printf '#%s\tINITED cov: 420 ft: 900 corp: 120/30Kb exec/s: 0 rss: 40Mb\n' "$seeds"
    printf '#4096\tpulse  cov: 430 ft: 950 corp: 125/31Kb lim: 4096 exec/s: 150 rss: 50Mb\n'
    [ -z "$runs" ] || echo "stat::number_of_executed_units: $runs"; } >"$log"
  out=$(bash "$1" sgi "$log" 2>&1)
  status=$?
  case $said in FAIL:*) [ "$status" -ne 0 ] ;; *) [ "$status" -eq 0 ] ;; esac && [ "$out" = "$said" ] ||
    { echo "FAIL: $seeds, $runs: exited with $status, saying \"$out\", not \"$said\"" >&2; exit 1; }
done <<CASES
132|9418|sgi: 9418 inputs run, 9286 of them its own
132|133|sgi: 133 inputs run, 1 of them its own
132|132|FAIL: sgi ran 132 inputs, none of its own beyond the 132 it started from; see $log
132||FAIL: sgi: libFuzzer told no count of the inputs it ran; see $log
|9418|FAIL: sgi: libFuzzer told no count of the inputs it ran; see $log
CASES
