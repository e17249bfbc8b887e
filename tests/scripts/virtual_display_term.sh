#!/usr/bin/env bash
# A HUP, INT or TERM to the virtual display script ends it within a second
# with status 128 + the signal's number, with its command, the command's
# child and the X server; its folder goes. Whatever the outcome, no process
# this test started outlives it.
# Usage: virtual_display_term.sh path/to/virtual_display.sh
set -uo pipefail
tmp=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill -KILL "$pid" 2>/dev/null; done
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Ended but not yet reaped counts as gone.
alive() { local stat; stat=$(cat "/proc/$1/stat" 2>/dev/null) && [[ ${stat##*) } != Z* ]]; }

ends_on() {  # signal, status
  local signal="$1" expected="$2" script shell child server="" pid start ms status
  rm -f "$tmp/pids"
  # A background job of a shell without job control starts with INT
  # ignored, and an ignored signal cannot be trapped: give it back.
  TMPDIR="$tmp" env --default-signal=INT "$script_path" \
    bash -c 'sleep 1000 & echo "$$ $!" >"$0/pids"; wait' "$tmp" &
  script=$!
  started+=("$script")
  for _ in $(seq 100); do [ -s "$tmp/pids" ] && break; sleep 0.05; done
  read -r shell child <"$tmp/pids" || fail "$signal: the command did not start"
  started+=("$shell" "$child")
  for pid in $(cat "/proc/$script/task/$script/children"); do
    [ "$(cat "/proc/$pid/comm")" = Xvfb ] && server=$pid
  done
  [ -n "$server" ] || fail "$signal: no X server among the script's children"
  started+=("$server")

  start=$(date +%s%N)
  kill -s "$signal" "$script"
  for _ in $(seq 40); do alive "$script" || alive "$shell" || alive "$child" || alive "$server" || break; sleep 0.05; done
  ms=$((($(date +%s%N) - start) / 1000000))
  ! alive "$script" || fail "$signal: the script still runs after $ms ms"
  wait "$script"
  status=$?
  [ "$status" -eq "$expected" ] || fail "$signal: exited with $status, not $expected"
  for pid in "$shell" "$child" "$server"; do ! alive "$pid" || fail "$signal: process $pid outlived the script"; done
  [ "$ms" -le 1000 ] || fail "$signal: took $ms ms to end"
  ! compgen -G "$tmp/pib-display.*" >/dev/null || fail "$signal: left its folder behind"
}

script_path="$1"
ends_on HUP 129
ends_on INT 130
ends_on TERM 143
