#!/usr/bin/env bash
# The count of a test run, taken with a stand-in ctest on the real virtual
# display: a run passes, saying how many of the tests listed ran and naming
# those that skipped themselves, only when its record counts every test as
# run or skipped and none failed, whatever ctest exits with; otherwise it
# fails with one line saying which.
# Usage: ctest_counted.sh path/to/ctest_counted.sh
set -uo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin" "$tmp/build"
# Lists $LISTED tests. Run, it records $TESTS as CTest does (none: no record),
# each name:outcome, and exits with $EXIT.
cat >"$tmp/bin/ctest" <<'STANDIN'
#!/usr/bin/env bash
[ "$1" != -N ] || { echo "Total Tests: $LISTED"; exit 0; }
while [ "$1" != --output-junit ]; do shift; done
[ "$TESTS" = none ] || {
  printf '<testsuite name="build"\n\ttests="%s"\n\t>\n' "$(wc -w <<<"$TESTS")"
  for test in $TESTS; do
    case ${test#*:} in
      run) status=run inner="" ;;
      fail) status=fail inner='<failure message=""/>' ;;
      skip77) status=notrun inner='<skipped message="SKIP_RETURN_CODE=77"/>' ;;
      gskip) status=notrun inner='<skipped message="SKIP_REGULAR_EXPRESSION_MATCHED"/>' ;;
      missing) status=notrun inner='<skipped message="Unable to find executable"/>' ;;
    esac
    printf '\t<testcase name="%s" classname="%s" time="0" status="%s">\n\t\t%s\n\t</testcase>\n' \
      "${test%:*}" "${test%:*}" "$status" "$inner"
  done
  echo '</testsuite>'
} >"$2"
exit "$EXIT"
STANDIN
chmod +x "$tmp/bin/ctest"

# tests listed | what the record holds | ctest's exit status | its one line (FAIL: it fails)
while IFS='|' read -r listed tests exit said; do
  out=$(LISTED=$listed TESTS=$tests EXIT=$exit PATH="$tmp/bin:$PATH" bash "$1" "$tmp/build" 2>&1)
  status=$?
  case $said in FAIL:*) [ "$status" -ne 0 ] ;; *) [ "$status" -eq 0 ] ;; esac && [ "$out" = "$said" ] ||
    { echo "FAIL: $tests, exit $exit: exited with $status, saying \"$out\", not \"$said\"" >&2; exit 1; }
done <<'CASES'
3|a:run b:run c:run|0|build: CTest ran 3 of the 3 tests it lists
3|a:run b:skip77 c:gskip|0|build: CTest ran 1 of the 3 tests it lists; the others skipped themselves: b c
3|a:run b:run|0|FAIL: build: CTest ran 2 of the 3 tests it lists
3|a:run b:missing c:run|0|FAIL: build: CTest ran 2 of the 3 tests it lists
3|a:fail b:run c:fail|0|FAIL: build: CTest ran 3 of the 3 tests it lists, and 2 of them failed: a c
3|a:run b:fail c:skip77|8|FAIL: build: CTest ran 2 of the 3 tests it lists, and 1 of them failed: b; the others skipped themselves: c
3|a:run b:run c:run|8|FAIL: build: CTest ran 3 of the 3 tests it lists, but the run exited with 8
3|none|0|FAIL: build: CTest ran 0 of the 3 tests it lists (it wrote no record of a run)
0|none|0|FAIL: build: CTest lists no tests
CASES
