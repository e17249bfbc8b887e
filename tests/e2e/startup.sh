#!/usr/bin/env bash
# Starts the real game, checks its start-up lines, its window and that it
# draws something, then quits it with escape.
source "$(dirname "$0")/lib/common.sh"

start_game
win=$(find_window)
wait_for_line "Let the bunny burning begin!!..."

expected=$'Initializing graphics (wait for it)...\nInitializing Bunny Textures...\nCreating army of rats... bunnies beware!\nInitializing Particle Engine...\nInitializing Robot Textures...\nInitializing Sound...\nLet the bunny burning begin!!...'
actual=$(grep -E '^(Initializing|Creating|Let the bunny)' "$GAME_LOG")
[ "$actual" = "$expected" ] || fail "start-up lines differ:
$actual"

eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 600 ] && [ "$HEIGHT" = 450 ] || fail "window is ${WIDTH}x${HEIGHT}, not 600x450"

# The opening starts on a black screen and tilts its backdrop up over 5 s.
for _ in $(seq 1 20); do
  sleep 0.5
  screenshot opening
  spread=$(picture_spread "$OUT/opening.png")
  awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }' && break
done
awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }' || fail "the screen is blank (spread $spread)"

quit_game
echo "startup: ok"
