# Shared by the whole-program tests: each test script sources this file with
# the game binary, the data folder and the output folder as $1 $2 $3.
# It re-runs the script on a virtual display of its own, so tests never share
# a screen.
set -euo pipefail

if [ -z "${PIB_E2E_DISPLAY:-}" ]; then
  export PIB_E2E_DISPLAY=1
  exec "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/virtual_display.sh" bash "$0" "$@"
fi

GAME="$1"
DATA="$2"
OUT="$3/$(basename "$0" .sh)"
mkdir -p "$OUT"
GAME_PID=""
GAME_LOG="$OUT/stdout.txt"
GAME_ERRORS="$OUT/stderr.txt"
rm -f "$GAME_LOG" "$GAME_ERRORS"  # a failure shows this run's, or none

fail() {
  echo "FAIL: $*" >&2
  [ -f "$GAME_LOG" ] && { echo "--- game output:" >&2; cat "$GAME_LOG" >&2; }
  [ -f "$GAME_ERRORS" ] && { echo "--- game standard error:" >&2; cat "$GAME_ERRORS" >&2; }
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  exit 1
}

# Starts the game in its data folder; given a command, starts that instead
# (a launcher with the game, or a line a player types there).
start_game() {  # [command...]
  [ $# -gt 0 ] || set -- "$GAME"
  (cd "$DATA" && exec "$@" >"$GAME_LOG" 2>"$GAME_ERRORS") &
  GAME_PID=$!
}

# Starts the game and points at its window, since without a window manager
# the keyboard follows the pointer.
start_game_in_focus() {  # [command...]
  start_game "$@"
  find_window >/dev/null
  xdotool mousemove 300 200
}

# Waits until the game's window exists and prints its id.
find_window() {
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --name '^Pib\^3$' 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
  done
  fail "no window titled Pib^3"
}

# Waits for a line on the game's standard output.
wait_for_line() {
  for _ in $(seq 1 100); do
    grep -qF "$1" "$GAME_LOG" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the game never printed: $1"
}

screenshot() {  # name
  import -window root "$OUT/$1.png"
}

# Standard deviation of a screenshot's pixels, 0 for a blank screen.
picture_spread() {
  convert "$1" -colorspace Gray -format "%[fx:standard_deviation]" info:
}

# Mean colour of a region WxH+X+Y of a screenshot as "r g b" in 0..255.
region_mean() {  # file geometry
  convert "$1" -crop "$2" +repage -resize 1x1\! -format "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]" info:
}

key_down() { xdotool keydown "$1"; }
key_up() { xdotool keyup "$1"; }
key_tap() { xdotool keydown "$1"; sleep "${2:-0.15}"; xdotool keyup "$1"; }

# The window's area of the screen, after a moment for the frame to settle.
shot() { sleep 0.3; import -window root -crop 600x450+0+0 +repage "$OUT/$1.png"; }

# True when a fresh screenshot passes a check: check [arguments...].
screen_shows() {
  import -window root -crop 600x450+0+0 +repage "$OUT/probe.png"
  "$@" "$OUT/probe.png"
}

# The menus look at the key table once per frame, so a press must outlast a
# slow frame to be seen.
tap() { key_tap "$1" 0.4; sleep 0.3; }

# Keys read in play ("a" while held, "p" on its press) are seen by the idle
# step, and a slow frame (a band wobbling under the software renderer, more
# so under the sanitizers) can swallow a short press: hold the key until the
# screen shows its effect.
hold_until() {  # key, check of a screenshot, what
  local start=$SECONDS
  key_down "$1"
  until { sleep 0.5; screen_shows "$2"; }; do
    [ $((SECONDS - start)) -lt 30 ] || { key_up "$1"; fail "holding $1 did not bring $3"; }
  done
  sleep 0.3
  key_up "$1"
  sleep 1  # the release must be seen too, or the next press is no press
}
hold_a_until_title() { hold_until a title_page_showing "back the title"; }

wait_until() {  # what, seconds, check [arguments...]
  local start=$SECONDS
  # When the check that passed began (ns), for checks that take a while.
  until check_started=$(date +%s%N); "${@:3}"; do
    [ $((SECONDS - start)) -lt "$2" ] || fail "waited $2 s for: $1"
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while waiting for: $1"
    sleep 1
  done
  echo "$1 after $((SECONDS - start)) s"
}

# Sends escape and checks the game ends with exit code 0.
quit_game() {
  xdotool key Escape
  local rc=0
  wait "$GAME_PID" || rc=$?
  GAME_PID=""
  [ "$rc" -eq 0 ] || fail "exit code $rc after escape"
}
