#!/usr/bin/env bash
# A TERM to the virtual display script ends it within a second with status
# 143, with its command, the command's child and the X server; its folder goes.
# Usage: virtual_display_term.sh path/to/virtual_display.sh
set -uo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Ended but not yet reaped counts as gone.
alive() { local stat; stat=$(cat "/proc/$1/stat" 2>/dev/null) && [[ ${stat##*) } != Z* ]]; }

TMPDIR="$tmp" "$1" bash -c 'sleep 1000 & echo "$$ $!" >"$0/pids"; wait' "$tmp" &
script=$!
for _ in $(seq 100); do [ -s "$tmp/pids" ] && break; sleep 0.05; done
read -r shell child <"$tmp/pids" || fail "the command did not start"
for pid in $(cat "/proc/$script/task/$script/children"); do
  [ "$(cat "/proc/$pid/comm")" = Xvfb ] && server=$pid
done
[ -n "${server:-}" ] || fail "no X server among the script's children"

start=$(date +%s%N)
kill -TERM "$script"
wait "$script"
status=$?
for _ in $(seq 20); do alive "$shell" || alive "$child" || alive "$server" || break; sleep 0.05; done
ms=$((($(date +%s%N) - start) / 1000000))
[ "$status" -eq 143 ] || fail "exited with $status, not 143"
for pid in "$shell" "$child" "$server"; do ! alive "$pid" || fail "process $pid outlived the script"; done
[ "$ms" -le 1000 ] || fail "took $ms ms to end"
! compgen -G "$tmp/pib-display.*" >/dev/null || fail "left its folder behind"
