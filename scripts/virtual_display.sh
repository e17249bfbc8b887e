#!/usr/bin/env bash
# Runs a command on a virtual X display of its own and exits with its status.
# Usage: scripts/virtual_display.sh command [arguments...]
#
# The tests start and end clients by the hundred on one display, often on a
# busy machine, so the server is started as xvfb-run does not start it:
# - It never resets (-noreset). By default an X server starts over whenever
#   its last client leaves, and a client that connects meanwhile is accepted
#   and then dropped with the rest ("failed to open display"). The slower the
#   server runs, the wider that window: with its cores busy, about one in five
#   of a loop of short clients was dropped, and none with -noreset.
# - It picks a free display number itself and reports it once it takes
#   connections (-displayfd), rather than being handed the first number whose
#   lock file is missing, which two runs starting together both take; one
#   server then fails and xvfb-run tries again, up to ten times.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 command [arguments...]" >&2; exit 2; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/pib-display.XXXXXX")
server=""
command=""
# A run that never got as far as the command has tested nothing, and must
# not pass for one that did.
finish() {
  local status=$?
  if [ -z "$command" ] && [ "$status" -eq 0 ]; then
    echo "virtual_display: exits without running its command" >&2
    status=1
  fi
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$dir"
  exit "$status"
}
# Ends the command and all it started (its session), then exits; the exit
# handler takes the server down. TERM even for an INT: a command started in
# the background ignores INT. HUP too, as in a session of its own the command
# no longer hears its terminal close.
stop() {
  if [ -n "$command" ]; then
    kill -TERM -- "-$command" 2>/dev/null || true
    wait "$command" 2>/dev/null || true
  fi
  exit "$1"
}
trap finish EXIT
trap 'stop 129' HUP
trap 'stop 130' INT
trap 'stop 143' TERM

# Only clients holding this cookie get in. The entry names no address and
# no display number, so it holds for whichever number the server picks.
auth="$dir/Xauthority"
touch "$auth"
echo "ffff 0000  0000  0012 $(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n') 0010 $(mcookie)" |
  xauth -q -f "$auth" nmerge -

mkfifo "$dir/number"
Xvfb -displayfd 3 -noreset -nolisten tcp -auth "$auth" -screen 0 1024x768x24 \
  3>"$dir/number" 2>"$dir/server.log" &
server=$!
number=""
read -r number <"$dir/number" || true
if [ -z "$number" ]; then
  # Its log goes with the folder, so the reason is told on the one line:
  # Xvfb gives it after "Fatal server error:", over lines marked (EE) and
  # after its usage when an option is wrong; anything else, by its last line.
  why=$(sed 's/(EE)//g' "$dir/server.log" | tr -s ' \t\n' ' ')
  case $why in
    *"Fatal server error:"*) why=${why##*Fatal server error:} ;;
    *) why=$(grep -v '^[[:space:]]*$' "$dir/server.log" | tail -n 1 || true) ;;
  esac
  read -r why <<<"$why" || true
  echo "virtual_display: the X server did not start: ${why:-it said nothing}" >&2
  exit 1
fi

# In the background, so that a signal here is acted on at once rather than
# when the command ends, and in a session of its own, so that its children
# (ctest's tests) can be ended with it; it keeps this script's input.
DISPLAY=":$number" XAUTHORITY="$auth" setsid "$@" <&0 &
command=$!
status=0
wait "$command" || status=$?
if ! kill -0 "$server" 2>/dev/null; then
  echo "virtual_display: the X server on :$number ended before the command did:" >&2
  cat "$dir/server.log" >&2
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
