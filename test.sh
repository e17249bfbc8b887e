#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine and runs every test under a
# virtual display: the normal build, the same tests built with ASan and UBSan,
# and a short fuzzing run of each file reader. Exits non-zero when any fails.
# Usage: ./test.sh [--quick]   (--quick: the normal build's tests only)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
jobs="$(nproc)"

# A run passes only when CTest's own record of it counts every test it lists
# as run: whatever stands between this script and CTest (the display script
# above all) can end early, or run something else, and still exit with 0.
# A test that ran and skipped itself (exit 77, or GoogleTest's skip, as the
# memory checks do under the sanitizers) counts, and is named.
run_suite() {  # build folder, tests to leave out (a ctest pattern or ""), extra cmake arguments...
  local build="$1" exclude=() listed counts ran skipped names status=0
  [ -n "$2" ] && exclude=(-E "$2")
  shift 2
  "$here/scripts/setup.sh" "$build" "$@"
  listed=$(cd "$build" && ctest -N "${exclude[@]}" | sed -n 's/^Total Tests: //p') || true
  [ "${listed:-0}" -gt 0 ] || { echo "FAIL: ${build##*/}: CTest lists no tests" >&2; return 1; }
  local record="$build/ctest-record.xml"
  rm -f "$record"
  (cd "$build" && "$here/scripts/virtual_display.sh" \
     ctest --output-on-failure -j "$jobs" --timeout 900 "${exclude[@]}" --output-junit "$record") || status=$?
  counts=$(awk '/<testcase / { name = $0; sub(/.*<testcase name="/, "", name); sub(/".*/, "", name) }
                /<testcase .*status="(run|fail)"/ { ran++ }
                /<skipped message="(SKIP_RETURN_CODE=|SKIP_REGULAR_EXPRESSION_MATCHED)/ { skipped++; names = names " " name }
                END { print ran + 0, skipped + 0, names }' "$record" 2>/dev/null) || counts="0 0"
  read -r ran skipped names <<<"$counts"
  local told="CTest ran $ran of the $listed tests it lists"
  [ "$skipped" -eq 0 ] || told+="; the others skipped themselves: $names"
  [ -f "$record" ] || told+=" (it wrote no record of a run)"
  if [ $((ran + skipped)) -lt "$listed" ]; then
    echo "FAIL: ${build##*/}: $told" >&2
    return 1
  fi
  echo "${build##*/}: $told"
  return "$status"
}

echo "=== Tests"
run_suite "$here/build" ""
[ "${1:-}" = "--quick" ] && exit 0

echo "=== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# Mesa's drivers are unloaded at exit, so their allocations show as leaks
# from unknown modules; leaks are checked by the fuzzers and the soak test.
# The whole-program runs of the opening and the story take minutes of real
# time at the scenes' own pace and draw nothing the unit tests do not: those
# play each scene's whole timeline on a driven clock, and run here too.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite "$here/build-asan" '^e2e\.(opening|story)$' -DPIB_SANITIZE=ON

echo "=== Fuzzing"
"$here/scripts/fuzz.sh" "${PIB_FUZZ_SECONDS:-60}"
