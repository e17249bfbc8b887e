#!/usr/bin/env bash
# Plays the real game for a long while as four players sharing the keyboard
# would: world 3, every player turning and firing at random, the cameras
# changed now and then, and a new round started through the menus every few
# minutes, or as soon as a round ends with every gem found. The game's
# resident size is read every 5 s into rss.csv (seconds, kB) in the output
# folder's "soak", and the figures are printed at the end (a run under 12
# minutes gives only the first and the last minute's). Not part of the test
# run: an hour is its point.
# Usage: scripts/soak.sh <game> <data folder> <output folder> [minutes [minutes a round]]
#   PIB_SOAK_WRAPPER: a command to start the game under (heaptrack -o FILE, say)
[ $# -ge 3 ] || { echo "usage: $0 game data-folder output-folder [minutes [minutes a round]]" >&2; exit 2; }
minutes="${4:-60}"
round_minutes="${5:-10}"
[[ "$minutes" =~ ^[1-9][0-9]*$ && "$round_minutes" =~ ^[1-9][0-9]*$ ]] ||
  { echo "soak: the minutes must be whole numbers from 1: $minutes, $round_minutes" >&2; exit 2; }
set -- "$(realpath "$1")" "$(realpath "$2")" "${@:3}"  # the game starts in its data folder
source "$(dirname "$0")/../tests/e2e/lib/common.sh"
source "$(dirname "$0")/../tests/e2e/lib/screen_checks.sh"

samples="$OUT/rss.csv"
: >"$samples"

# Player keys (left, right, fire of each) and the camera keys; "p", "a",
# "s", "0" and escape are left alone.
play_keys=(Left Right Up z c x comma slash period 7 9 8)
camera_keys=(1 2 3 4 j k u i 6)

# The game itself, under a wrapper if there is one.
game_process() {
  local p="$GAME_PID" child
  while child=$(pgrep -P "$p" | head -n 1) && [ -n "$child" ]; do p="$child"; done
  echo "$p"
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$(game_process)/status"; }

# The game screen: the strip's blue across the top, brightening toward the
# middle, under the fade-in as well.
game_screen_showing() { [ "$(strip_brightness "$1")" -ge 20 ] && ! title_page_showing "$1"; }

rounds=0
start_round() {
  rounds=$((rounds + 1))
  tap Down
  tap space
  tap Down
  tap Down  # world 3
  tap space
  tap Down
  tap Down
  tap Down  # four players
  tap space
  wait_until "round $rounds" 60 screen_shows game_screen_showing
}

# Flips a random player key, and now and then taps a camera key.
random_keys() {  # seconds
  local until=$((SECONDS + $1)) held=()
  while [ "$SECONDS" -lt "$until" ]; do
    local k=${play_keys[RANDOM % ${#play_keys[@]}]}
    if [ ${#held[@]} -gt 0 ] && [ $((RANDOM % 2)) -eq 0 ]; then
      key_up "${held[0]}"
      held=("${held[@]:1}")
    else
      key_down "$k"
      held+=("$k")
    fi
    [ $((RANDOM % 40)) -eq 0 ] && key_tap "${camera_keys[RANDOM % ${#camera_keys[@]}]}" 0.1
    sleep 0.2
  done
  for k in "${held[@]}"; do key_up "$k"; done
}

start_game_in_focus ${PIB_SOAK_WRAPPER:-} "$GAME"
hold_a_until_title
start=$SECONDS
next_look=0
next_round=0
while [ $((SECONDS - start)) -lt $((minutes * 60)) ]; do
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after $((SECONDS - start)) s"
  if [ $((SECONDS - start)) -ge "$next_round" ]; then
    [ "$next_round" -eq 0 ] || hold_a_until_title
    start_round
    next_round=$((next_round + round_minutes * 60))
  fi
  echo "$((SECONDS - start)) $(rss_kb)" >>"$samples"
  # Every gem found: the cameras fly out and the title comes back.
  if [ $((SECONDS - start)) -ge "$next_look" ]; then
    next_look=$((next_look + 30))
    if screen_shows title_page_showing; then
      start_round
      next_round=$((SECONDS - start + round_minutes * 60))
    fi
  fi
  random_keys 5
done
echo "$((SECONDS - start)) $(rss_kb)" >>"$samples"
quit_game

echo "$rounds rounds"
awk -f "$(dirname "$0")/soak_summary.awk" "$samples"
