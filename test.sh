#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine and runs every test under a
# virtual display: the normal build, the same tests built with ASan and UBSan,
# and a short fuzzing run of each file reader. Exits non-zero when any fails.
# Usage: ./test.sh [--quick]   (--quick: the normal build's tests only)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# Each set passes only when CTest's own record of its run counts every test
# it lists as run and none failed (scripts/ctest_counted.sh).
run_suite() {  # build folder, tests to leave out (a ctest pattern or ""), extra cmake arguments...
  local build="$1" exclude="$2"
  shift 2
  "$here/scripts/setup.sh" "$build" "$@"
  "$here/scripts/ctest_counted.sh" "$build" "$exclude"
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
