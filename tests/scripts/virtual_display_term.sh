#!/usr/bin/env bash
# A TERM to the virtual display script ends it within a second with status
# 143, and with it its command, what the command started and the X server;
# its folder goes too.
# Usage: virtual_display_term.sh path/to/virtual_display.sh
set -uo pipefail
script="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# A process that has ended but was not yet reaped counts as gone.
alive() { local stat; stat=$(cat "/proc/$1/stat" 2>/dev/null) && [[ ${stat##*) } != Z* ]]; }

# The command starts a child of its own and says who they are.
TMPDIR="$tmp" "$script" bash -c 'sleep 1000 & echo "$$ $!" >"$0/pids"; wait' "$tmp" &
script_pid=$!
for _ in $(seq 100); do [ -s "$tmp/pids" ] && break; sleep 0.05; done
read -r shell child <"$tmp/pids" || fail "the command did not start"
server=""
for pid in $(cat "/proc/$script_pid/task/$script_pid/children"); do
  [ "$(cat "/proc/$pid/comm")" = Xvfb ] && server=$pid
done
[ -n "$server" ] || fail "no X server among the script's children"

start=$(date +%s%N)
kill -TERM "$script_pid"
wait "$script_pid"
status=$?
for _ in $(seq 20); do
  alive "$shell" || alive "$child" || alive "$server" || break
  sleep 0.05
done
ms=$((($(date +%s%N) - start) / 1000000))

[ "$status" -eq 143 ] || fail "exited with $status, not 143"
for pid in "$shell" "$child" "$server"; do
  ! alive "$pid" || fail "process $pid ($(cat "/proc/$pid/comm")) outlived the script"
done
[ "$ms" -le 1000 ] || fail "took $ms ms to end"
! compgen -G "$tmp/pib-display.*" >/dev/null || fail "left its folder behind"
echo "ended in $ms ms"
