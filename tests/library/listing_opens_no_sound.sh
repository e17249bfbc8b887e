#!/usr/bin/env bash
# Listing the tests opens no sound device and writes nothing on standard
# error. The build lists them (CTest's test discovery) and shows that stream;
# on a machine without a device, PLIB's complaints would land there. Where
# strace is installed the device files are watched as well.
# Usage: listing_opens_no_sound.sh test-program
set -euo pipefail
program="$1"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" --gtest_list_tests >"$out/list" 2>"$out/errors"
grep -q '^  ' "$out/list" || fail "no tests listed"
[ ! -s "$out/errors" ] || fail "the listing wrote on standard error: $(cat "$out/errors")"
if command -v strace >/dev/null; then
  strace -f -e trace=open,openat -o "$out/trace" "$program" --gtest_list_tests >/dev/null
  ! grep -E '"/dev/(dsp|mixer)"' "$out/trace" || fail "the listing opened a sound device"
fi
