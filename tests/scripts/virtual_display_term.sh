#!/usr/bin/env bash
# A HUP, INT or TERM to the virtual display script ends it within a second
# with status 128 + the signal's number, with its command, the command's
# child and the X server; its folder goes. Otherwise it exits with its
# command's status, saying nothing. A server that cannot start, a server that
# ends before the command, or a script that exits before it runs its command,
# fails saying which, and leaves no process and no folder. Whatever the
# outcome, no process this test started outlives it.
# Usage: virtual_display_term.sh path/to/virtual_display.sh
set -uo pipefail
tmp=$(mktemp -d)
# Every process this test starts carries its folder's name in its
# environment, whichever session or group it moves to and whether or not
# the display script ever got as far as telling of it: at the end, however
# it comes, each of them is killed.
mark="PIB_DISPLAY_TERM_TEST=$tmp"
marked() { grep -lzxF "$mark" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3; }
end() {
  for pid in $(marked); do kill -KILL "$pid" 2>/dev/null; done
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

# An Xvfb that gives up as the real one does, its reason after the (EE)
# lines; one that tells its display number, as the real one does once it
# takes connections, and then ends, its pid left for the command to wait on;
# and a copy of the script that exits, with 0, just before it would start
# its command.
mkdir "$tmp/bin" "$tmp/ends"
printf '%s\n' '#!/bin/sh' 'printf "(EE)\nFatal server error:\n(EE) no screens found(EE)\n" >&2' 'exit 1' >"$tmp/bin/Xvfb"
printf '%s\n' '#!/bin/sh' "echo \$\$ >$tmp/server" 'echo 99 >&3' 'echo "lost its screen" >&2' >"$tmp/ends/Xvfb"
chmod +x "$tmp/bin/Xvfb" "$tmp/ends/Xvfb"
sed '/setsid "\$@"/i exit 0' "$1" >"$tmp/no_command.sh"
! cmp -s "$1" "$tmp/no_command.sh" || fail "no line of the script starts its command"
# how | PATH | the script | its command | status | what it says (\n between lines)
while IFS='|' read -r how path script command want said; do
  out=$(TMPDIR="$tmp" env "$mark" PATH="$path" bash "$script" bash -c "$command" 2>&1)
  status=$?
  [ "$status" -eq "$want" ] || fail "$how: exited with $status, not $want"
  [ "$out" = "$(printf '%b' "$said")" ] || fail "$how: said \"$out\", not \"$said\""
  [ ! -e "$tmp/ran" ] || fail "$how: ran the command"
  [ -z "$(marked)" ] || fail "$how: left process $(marked) running"
  ! compgen -G "$tmp/pib-display.*" >/dev/null || fail "$how: left its folder behind"
done <<CASES
command exits 0|$PATH|$1|exit 0|0|
command exits 1|$PATH|$1|exit 1|1|
command exits 3|$PATH|$1|exit 3|3|
server ends first|$tmp/ends:$PATH|$1|while kill -0 \$(cat $tmp/server); do sleep 0.05; done 2>/dev/null|1|virtual_display: the X server on :99 ended before the command did:\nlost its screen
no server|$tmp/bin:$PATH|$1|touch $tmp/ran|1|virtual_display: the X server did not start: no screens found
no command|$PATH|$tmp/no_command.sh|touch $tmp/ran|1|virtual_display: exits without running its command
CASES
