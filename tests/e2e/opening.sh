#!/usr/bin/env bash
# Lets the opening scene play to its end untouched (about 75 s at its 20 ms
# pace): the backdrop tilts up, the Bunny comes and burns, the title
# pictures fly in, and the title page follows by itself. Screenshots of the
# moments are kept in the output folder.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/screen_checks.sh"
rm -f "$OUT"/*.png

start_game
find_window >/dev/null
wait_for_line "Let the bunny burning begin!!..."
start=$SECONDS

# Upright by frame 250 (5 s); the mountains fill the middle of the square.
sleep 7
shot 01-backdrop-up
[ "$(share_at_least "$OUT/01-backdrop-up.png" 150 150 225 150 60)" -ge 50 ] ||
  fail "no backdrop in the middle of the square at 7 s"
title_page_showing "$OUT/01-backdrop-up.png" && fail "the title page came at once"

# Shots along the way for the eye, then wait for the title page: the scene
# is counted in frames, so a slow frame stretches it but never shortens it.
for moment in 20 45 60; do
  sleep $((start + moment - SECONDS))
  shot "02-at-${moment}s"
done
until { shot probe; title_page_showing "$OUT/probe.png"; }; do
  [ $((SECONDS - start)) -lt 200 ] || fail "no title page 200 s after start-up"
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during the opening"
  sleep 1
done
elapsed=$((SECONDS - start))
echo "the title page came after $elapsed s"
[ "$elapsed" -ge 70 ] || fail "the opening ended after only $elapsed s (it lasts 3772 frames of 20 ms)"
mv "$OUT/probe.png" "$OUT/03-title.png"
expect_menu_square "$OUT/03-title.png"

quit_game
echo "opening: ok"
