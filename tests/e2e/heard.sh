#!/usr/bin/env bash
# A player hears the game on a machine without /dev/dsp. A PulseAudio server
# of the test's own plays into a null sink, whose monitor is recorded while
# the game, started as run.sh starts it, shows its title page and the story
# item starts the palace scene's music and first voice. The same game built
# without its ioctl correction must stay silent, with PLIB's own failure
# line; the README's line for starting the game by hand must be heard too;
# and with no sound server the game starts silently, saying why in one line,
# followed by PLIB's own, just as the README shows them.
# Skips (77) where the machine has /dev/dsp, or has a PipeWire pulse server
# and so no PulseAudio (the set-up installs none there).
if [ -c /dev/dsp ]; then echo "skipped: this machine has /dev/dsp"; exit 77; fi
if ! command -v pulseaudio >/dev/null && dpkg-query -W -f='${Status}' pipewire-pulse 2>/dev/null |
    grep -q "install ok installed"; then
  echo "skipped: a PipeWire desktop without Debian's pulseaudio"
  exit 77
fi
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/screen_checks.sh"
here="$(cd "$(dirname "$0")" && pwd)"
LAUNCHER="$here/../../scripts/launch.sh"
UNCORRECTED="${PIB_UNCORRECTED_GAME:?the game built without its ioctl correction}"
command -v pulseaudio >/dev/null || fail "no pulseaudio: run scripts/setup.sh"
# The emulation is preloaded ahead of the sanitizers' runtime, which would
# refuse to start.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

# The server's own folder, short enough for its socket's path; the clients
# and the game find it through PULSE_SERVER, never a desktop's server.
pulse_dir=$(mktemp -d /tmp/pib3-pulse.XXXXXX)
export XDG_RUNTIME_DIR="$pulse_dir" PULSE_RUNTIME_PATH="$pulse_dir/pulse"
export PULSE_COOKIE="$pulse_dir/cookie" PULSE_SERVER="unix:$pulse_dir/native"
SERVER_PID=""
RECORDER_PID=""
clean_up() {
  for pid in "$RECORDER_PID" "$GAME_PID" "$SERVER_PID"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$pulse_dir"
}
trap clean_up EXIT

# No system daemon and no start-up script: one null sink, the default for
# want of any other, and a socket that lets anyone in. Run as root (as CI
# does) it warns and carries on.
HOME="$pulse_dir" pulseaudio --daemonize=no --system=no -n --use-pid-file=no \
  --exit-idle-time=-1 --disallow-exit --log-target=stderr \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$pulse_dir/native" \
  -L "module-null-sink sink_name=pib3_test" 2>"$OUT/pulseaudio.txt" &
SERVER_PID=$!
for _ in $(seq 1 100); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$SERVER_PID" 2>/dev/null || { cat "$OUT/pulseaudio.txt" >&2; fail "pulseaudio ended"; }
  sleep 0.1
done
[ "$(pactl get-default-sink)" = pib3_test ] || fail "the null sink is not the default"

# Samples of a recording (16-bit) louder than a quantisation step or two,
# the loudest, and all: "count peak total". A null sink's monitor is exact
# zeros while nothing plays.
NOISE=16
loudness() {
  od -An -v -td2 -w2 "$1" | awk -v noise=$NOISE '
    { v = $1 < 0 ? -$1 : $1; n++; if (v > noise) k++; if (v > peak) peak = v }
    END { print k + 0, peak + 0, n + 0 }'
}

# Starts a command in the data folder (the game and whatever brings it up),
# records the sink from before the title page until the palace scene has
# played a few seconds, quits with escape, and keeps the recording's
# loudness in HEARD.
record_title_and_story() {  # recording name, command...
  local recording="$OUT/$1.raw"
  shift
  start_game_in_focus "$@"
  wait_for_line "Let the bunny burning begin!!..."
  parec -d pib3_test.monitor --format=s16le --rate=22050 --channels=1 >"$recording" &
  RECORDER_PID=$!
  hold_a_until_title  # the opening scene is silent; the title page is too
  tap Up
  tap space
  wait_until "the palace" 30 screen_shows palace_showing
  sleep 4
  kill "$RECORDER_PID"
  wait "$RECORDER_PID" 2>/dev/null || true
  RECORDER_PID=""
  quit_game
  HEARD=$(loudness "$recording")
}

# Heard: a second (22050 samples) or more above the noise, peaking well
# above it, and PLIB found its sound card.
expect_heard() {  # what
  local count peak total
  read -r count peak total <<<"$HEARD"
  echo "$1: $count of $total samples above $NOISE, peak $peak"
  [ "$count" -ge 22050 ] && [ "$peak" -ge 2000 ] || fail "$1: not heard"
  if grep -F "soundcard init failed" "$GAME_ERRORS"; then fail "$1: PLIB found no sound card"; fi
}

record_title_and_story launched "$LAUNCHER" "$GAME"
expect_heard "run.sh's launcher"

# The failure mended: PLIB's requests go out sign-extended and the
# emulation refuses them.
record_title_and_story uncorrected "$LAUNCHER" "$UNCORRECTED"
read -r count peak total <<<"$HEARD"
echo "without the correction: $count of $total samples above $NOISE, peak $peak"
grep -qF "slScheduler: soundcard init failed" "$GAME_ERRORS" ||
  fail "without the correction PLIB still found its sound card"
[ "$peak" -le "$NOISE" ] || fail "without the correction the sink heard a peak of $peak"

# The README's line for a PulseAudio or PipeWire desktop, as typed there.
readme_line=$(grep -m 1 -E "^    cd build/data && LD_PRELOAD=.*\.\./pib3$" "$here/../../README.md") ||
  fail "the README has no line starting the game by hand through PulseAudio"
[ "$DATA/../pib3" -ef "$GAME" ] || fail "the game is not ../pib3 from its data folder"
record_title_and_story readme bash -c "${readme_line#    cd build/data && }"
expect_heard "the README's line"

# No server: the game starts all the same, and one line says why it is silent.
PULSE_SERVER="unix:$pulse_dir/nothing-here" start_game "$LAUNCHER" "$GAME"
find_window >/dev/null
wait_for_line "Let the bunny burning begin!!..."
quit_game
[ "$(grep -c "^pib3: no sound: " "$GAME_ERRORS")" -eq 1 ] ||
  fail "without a server the launcher did not say once why there is no sound"
# The README shows those lines as they come, PLIB's after the launcher's.
readme_lines=$(awk '/^    pib3: no sound: /, /^$/' "$here/../../README.md" | sed -e '/^$/d' -e 's/^    //')
[ -n "$readme_lines" ] || fail "the README does not show what a machine without a sound server prints"
[ "$(cat "$GAME_ERRORS")" = "$readme_lines" ] ||
  fail "without a server the game's standard error is not what the README shows:
$readme_lines"
echo "heard: ok"
