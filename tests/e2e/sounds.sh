#!/usr/bin/env bash
# The real game with its sounds and without them: every file loads, and a
# game whose sound files are gone still starts, takes the music-stopping key
# and quits cleanly.
source "$(dirname "$0")/lib/common.sh"

# Holds "a" (which stops every music loop) for a moment, then quits.
hold_a_and_quit() {
  start_game
  find_window >/dev/null
  wait_for_line "Let the bunny burning begin!!..."
  key_down a
  sleep 0.5
  key_up a
  sleep 0.3
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while \"a\" was held"
  quit_game
}

hold_a_and_quit
if grep -F ".wav" "$GAME_LOG" "$GAME_ERRORS"; then fail "a sound file did not load"; fi

# The same game in a folder holding everything but the sound files.
quiet="$OUT/no-sound-files"
rm -rf "$quiet"
mkdir -p "$quiet"
find "$DATA" -maxdepth 1 -type f ! -name '*.wav' -exec cp {} "$quiet/" \;
DATA="$quiet"
hold_a_and_quit
missing=$(grep -c "\.wav" "$GAME_ERRORS" || true)
[ "$missing" -eq 36 ] || fail "PLIB reported $missing missing sound files, not 36"
echo "sounds: ok"
