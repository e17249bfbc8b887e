# Shared by the whole-program tests: each test script sources this file with
# the game binary, the data folder and the output folder as $1 $2 $3.
# It re-runs the script on a virtual display of its own, so tests never share
# a screen.
set -euo pipefail

if [ -z "${PIB_E2E_DISPLAY:-}" ]; then
  export PIB_E2E_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

# xvfb-run can hand over before its server takes connections; wait for it.
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

GAME="$1"
DATA="$2"
OUT="$3/$(basename "$0" .sh)"
mkdir -p "$OUT"
GAME_PID=""
GAME_LOG="$OUT/stdout.txt"

fail() {
  echo "FAIL: $*" >&2
  [ -f "$GAME_LOG" ] && { echo "--- game output:" >&2; cat "$GAME_LOG" >&2; }
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  exit 1
}

start_game() {
  (cd "$DATA" && exec "$GAME" >"$GAME_LOG" 2>"$OUT/stderr.txt") &
  GAME_PID=$!
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

# Sends escape and checks the game ends with exit code 0.
quit_game() {
  xdotool key Escape
  local rc=0
  wait "$GAME_PID" || rc=$?
  GAME_PID=""
  [ "$rc" -eq 0 ] || fail "exit code $rc after escape"
}
