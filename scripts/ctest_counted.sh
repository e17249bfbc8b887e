#!/usr/bin/env bash
# Runs a build's tests with CTest on a virtual display. The run passes only
# when CTest's own record of it counts every test it lists as run and none
# failed: whatever stands between this script and CTest (the display script
# above all) can end early, or run something else, and still exit with 0.
# A test that ran and skipped itself (exit 77, or GoogleTest's skip, as the
# memory checks do under the sanitizers) counts, and is named.
# Usage: scripts/ctest_counted.sh build-folder [tests to leave out, a ctest pattern]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1" set="${1##*/}" exclude=() status=0
[ -n "${2:-}" ] && exclude=(-E "$2")
listed=$(cd "$build" && ctest -N "${exclude[@]}" | sed -n 's/^Total Tests: //p') || true
[ "${listed:-0}" -gt 0 ] || { echo "FAIL: $set: CTest lists no tests" >&2; exit 1; }
record="$build/ctest-record.xml"
rm -f "$record"
(cd "$build" && "$here/scripts/virtual_display.sh" \
   ctest --output-on-failure -j "$(nproc)" --timeout 900 "${exclude[@]}" --output-junit "$record") || status=$?
# ran skipped failed|names of those skipped|names of those failed
counts=$(awk '/<testcase / { name = $0; sub(/.*<testcase name="/, "", name); sub(/".*/, "", name) }
              /<testcase .*status="(run|fail)"/ { ran++ }
              /<testcase .*status="fail"/ { failed++; fails = fails " " name }
              /<skipped message="(SKIP_RETURN_CODE=|SKIP_REGULAR_EXPRESSION_MATCHED)/ { skipped++; skips = skips " " name }
              END { print ran + 0, skipped + 0, failed + 0 "|" skips "|" fails }' "$record" 2>/dev/null) || counts="0 0 0||"
IFS='|' read -r counts skips fails <<<"$counts"
read -r ran skipped failed <<<"$counts"
told="CTest ran $ran of the $listed tests it lists"
[ "$failed" -eq 0 ] || told+=", and $failed of them failed:$fails"
[ "$skipped" -eq 0 ] || told+="; the others skipped themselves:$skips"
[ -f "$record" ] || told+=" (it wrote no record of a run)"
if [ $((ran + skipped)) -lt "$listed" ] || [ "$failed" -gt 0 ]; then
  echo "FAIL: $set: $told" >&2
  [ "$status" -ne 0 ] || status=1
elif [ "$status" -ne 0 ]; then
  echo "FAIL: $set: $told, but the run exited with $status" >&2
else
  echo "$set: $told"
fi
exit "$status"
