#!/usr/bin/env bash
# The soak's figures from made-up samples growing 1 MB an hour: a run too
# short for a figure still prints its start and end and says what it lacks,
# with no nan; 70 minutes give them all, the end 1.1 MB above the start.
# Usage: soak_summary.sh path/to/soak_summary.awk
set -uo pipefail
# seconds | a line the figures must hold
while IFS='|' read -r seconds expected; do
  out=$(awk -v s="$seconds" 'BEGIN { for (t = 0; t <= s; t += 5) print t, 130000 + t * 1024 / 3600 }' |
        awk -f "$1") && ! grep -qiE 'nan|inf' <<<"$out" && grep -qF "$expected" <<<"$out" ||
    { echo "FAIL: $seconds s: wanted \"$expected\" and no nan in: $out" >&2; exit 1; }
done <<'CASES'
0|needs a run of 12 minutes or more (this one: 0 s)
30|start 127.0 MB, end (30 s) 127.0 MB
65|needs a run of 12 minutes or more (this one: 65 s)
690|needs a run of 12 minutes or more (this one: 690 s)
4200|1.00 MB between those two, 1.00 MB as the trend of 721 samples
4200|start 127.0 MB, end (4200 s) 128.1 MB
CASES
