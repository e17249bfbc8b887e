#!/usr/bin/env bash
# Plays the whole game in a real window under a virtual display, driven by
# real key events: title, world and players pages, get ready, play, pause,
# back to the title, and quit. Screenshots of every step are kept.
# Usage: whole_game.sh GAME DATA_DIR OUTPUT_DIR
set -euo pipefail

game="$1"
data="$2"
out="$3/whole_game"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.log

if [ -z "${PIB_INSIDE_XVFB:-}" ]; then
  export PIB_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 800x600x24" bash "$here/whole_game.sh" "$game" "$data" "$3"
fi

source "$here/screen_checks.bash"

# A fast software renderer calls the idle step every 1 to 3 ms, and by the
# game's tick rule such short calls run no tick, so the game would crawl; the
# slower reference renderer paces frames more like a real display.
export GALLIUM_DRIVER="${GALLIUM_DRIVER:-softpipe}"

cd "$data"
"$game" >"$out/game.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

win="$(xdotool search --sync --onlyvisible --name 'Pib\^3' | head -1)"
xdotool mousemove 300 200  # keyboard focus follows the pointer without a window manager

fade_is_up() {
  import -window root -crop 600x450+0+0 +repage "$out/probe.png"
  [ "$(strip_brightness "$out/probe.png")" -ge 45 ]
}
blinking_stopped() { [ "$(blink_spread "$out")" -le 4 ]; }
wait_until() {
  local what="$1" limit="$2" check="$3" start=$SECONDS
  until "$check"; do
    [ $((SECONDS - start)) -lt "$limit" ] || fail "waited ${limit}s for: $what"
    sleep 1
  done
  echo "$what after $((SECONDS - start))s"
}

tap() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; sleep 0.25; }
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.3; }
shot() { sleep 0.3; import -window root -crop 600x450+0+0 +repage "$out/$1.png"; }

# Skip the opening scene and land on the title page.
hold a 1
shot 01-title
expect_menu_square "$out/01-title.png"

play_one() {
  local world="$1" players="$2" tag="$3"
  tap Down
  tap space
  for ((i = 1; i < world; i++)); do tap Down; done
  shot "$tag-a-world"
  tap space
  for ((i = 1; i < players; i++)); do tap Down; done
  shot "$tag-b-players"
  tap space
  # The fade-out to black, then get ready while the world fades in. A tick
  # runs only when an idle call comes 4 ms or more after the one before, so
  # on a fast virtual display the game runs slower than 330 ticks a second:
  # wait for what the screen shows rather than for a fixed time.
  wait_until "the world fades in" 120 fade_is_up
  shot "$tag-c-getready"
  expect_hud_strip "$out/$tag-c-getready.png"
  # The cameras wait 5 s after the load, then fly in; the get-ready picture
  # blinks until play begins.
  wait_until "play begins" 240 blinking_stopped
  shot "$tag-d-play"
  expect_hud_strip "$out/$tag-d-play.png"
  expect_views "$out/$tag-d-play.png" "$players"
  expect_minimap "$out/$tag-d-play.png" "$players"
  tap p
  shot "$tag-e-paused"
  tap p
  shot "$tag-f-resumed"
  hold a 1
  shot "$tag-g-title"
  expect_menu_square "$out/$tag-g-title.png"
  kill -0 "$pid"
}

play_one 1 1 w1-p1
play_one 2 2 w2-p2
play_one 1 3 w1-p3
play_one 3 4 w3-p4

tap Escape
status=0
wait "$pid" || status=$?
trap - EXIT
if [ "$status" -ne 0 ]; then
  echo "FAIL: the game ended with exit code $status"
  cat "$out/game.log"
  exit 1
fi
echo "whole game: all steps passed; screenshots in $out"
