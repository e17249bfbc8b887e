#!/usr/bin/env bash
# On the title page a held "a" calls the title back at every idle step, so
# Down and space lead on to the world page only once the game has seen "a"
# let go: here with Shift held, and after the window lost the keyboard.
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/screen_checks.sh"
rm -f "$OUT"/*.png

expect_world_page() {  # name
  tap Down
  tap space
  wait_until "the world page after $1" 10 screen_shows choice_page_showing
  shot "$1"
}

start_game_in_focus
hold_a_until_title
# Shift goes down while "a" is held, so "a" comes back up as "A".
key_down a; sleep 0.5; key_down shift; sleep 0.3; key_up a; sleep 0.3; key_up shift; sleep 0.5
expect_world_page 01-let-go-under-shift

hold_a_until_title
# Without a window manager the keyboard follows the pointer: moved off the
# window, it takes the release of "a" elsewhere.
key_down a; sleep 0.5; xdotool mousemove 900 700; sleep 0.3; key_up a; sleep 0.3
xdotool mousemove 300 200; sleep 0.5
expect_world_page 02-let-go-elsewhere

quit_game
rm -f "$OUT/probe.png"
echo "held_keys: ok"
