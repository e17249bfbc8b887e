#!/usr/bin/env bash
# A HUP, INT or TERM to the virtual display script ends it within a second
# with status 128 + the signal's number, with its command, the command's
# child and the X server; its folder goes. Whatever the outcome, no process
# this test started outlives it.
# Usage: virtual_display_term.sh path/to/virtual_display.sh
set -uo pipefail
tmp=$(mktemp -d)
# Every process this test starts carries its folder's name in its
# environment, whichever session or group it moves to and whether or not
# the display script ever got as far as telling of it: at the end, however
# it comes, each of them is killed.
mark="PIB_DISPLAY_TERM_TEST=$tmp"
end() {
  grep -lzxF "$mark" /proc/[0-9]*/environ 2>/dev/null | while IFS=/ read -r _ _ pid _; do
    kill -KILL "$pid" 2>/dev/null
  done
  rm -rf "$tmp"
}
trap end EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Ended but not yet reaped counts as gone.
alive() { local stat; stat=$(cat "/proc/$1/stat" 2>/dev/null) && [[ ${stat##*) } != Z* ]]; }

for case in HUP:129 INT:130 TERM:143; do
  signal=${case%:*} server=""
  rm -f "$tmp/pids"
  # A background job of a shell without job control starts with INT
  # ignored, and an ignored signal cannot be trapped: give it back.
  TMPDIR="$tmp" env --default-signal=INT "$mark" "$1" bash -c 'sleep 1000 & echo "$$ $!" >"$0/pids"; wait' "$tmp" &
  script=$!
  for _ in $(seq 100); do [ -s "$tmp/pids" ] && break; sleep 0.05; done
  read -r shell child <"$tmp/pids" || fail "$signal: the command did not start"
  for pid in $(cat "/proc/$script/task/$script/children"); do
    [ "$(cat "/proc/$pid/comm")" = Xvfb ] && server=$pid
  done
  [ -n "$server" ] || fail "$signal: no X server among the script's children"

  kill -s "$signal" "$script"
  for _ in $(seq 20); do alive "$script" || alive "$shell" || alive "$child" || alive "$server" || break; sleep 0.05; done
  for pid in "$script" "$shell" "$child" "$server"; do ! alive "$pid" || fail "$signal: process $pid runs a second on"; done
  wait "$script"
  status=$?
  [ "$status" -eq "${case#*:}" ] || fail "$signal: exited with $status, not ${case#*:}"
  ! compgen -G "$tmp/pib-display.*" >/dev/null || fail "$signal: left its folder behind"
done
