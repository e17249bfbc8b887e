#!/usr/bin/env bash
# The soak's figures from made-up samples that grow 1 MB an hour: a run too
# short for a figure says which and prints no nan; an hour's run gives them
# all, at 1.00 MB an hour.
# Usage: soak_summary.sh path/to/soak_summary.awk
set -uo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
summary() {  # seconds
  awk -v s="$1" 'BEGIN { for (t = 0; t <= s; t += 5) print t, 130000 + t * 1024 / 3600 }' | awk -f "$2"
}

# seconds | a line the figures must hold
while IFS='|' read -r seconds expected; do
  out=$(summary "$seconds" "$1") || fail "$seconds s: the summary failed"
  ! grep -qiE 'nan|inf' <<<"$out" || fail "$seconds s: $out"
  grep -qF "$expected" <<<"$out" || fail "$seconds s: no \"$expected\" in: $out"
done <<'CASES'
0|needs a run of 12 minutes or more (this one: 0 s)
30|start 127.0 MB, end (30 s) 127.0 MB
65|needs a run of 12 minutes or more (this one: 65 s)
690|needs a run of 12 minutes or more (this one: 690 s)
4200|1.00 MB between those two, 1.00 MB as the trend of 721 samples
CASES
