#!/usr/bin/env bash
# The soak's figures from made-up samples growing 1 MB an hour: a run too
# short for a figure says so and prints no nan; an hour gives them all.
# Usage: soak_summary.sh path/to/soak_summary.awk
set -uo pipefail
for case in '30|needs a run of 12 minutes or more (this one: 30 s)' '690|needs a run of 12 minutes' \
            '4200|1.00 MB between those two, 1.00 MB as the trend of 721 samples'; do
  out=$(awk -v s="${case%%|*}" 'BEGIN { for (t = 0; t <= s; t += 5) print t, 130000 + t * 1024 / 3600 }' |
        awk -f "$1") && ! grep -qiE 'nan|inf' <<<"$out" && grep -qF "${case#*|}" <<<"$out" ||
    { echo "FAIL: ${case%%|*} s: $out" >&2; exit 1; }
done
