#!/usr/bin/env bash
# Starts the game so that it is heard. Run from the data folder.
# Usage: scripts/launch.sh <game binary> [game arguments...]
#
# The game's sound goes through PLIB to the OSS device /dev/dsp. Where that
# device is missing (most desktops), PulseAudio's OSS emulation carries it to
# a PulseAudio-protocol server (PulseAudio itself or PipeWire's pulse server).
# The emulation is preloaded by hand: Debian 12's padsp script mangles the
# library's path (its "$LIB" arrives as the shell's pid) and preloads nothing.
set -euo pipefail
game="$1"
shift

pulse_dsp_library='/usr/$LIB/pulseaudio/libpulsedsp.so'  # $LIB is ld.so's, not the shell's

oss_device_usable() { [ -c /dev/dsp ] && [ -w /dev/dsp ]; }

pulse_dsp_installed() {
  compgen -G '/usr/lib*/pulseaudio/libpulsedsp.so' >/dev/null ||
    compgen -G '/usr/lib/*/pulseaudio/libpulsedsp.so' >/dev/null
}

pulse_server_answers() { timeout 5 pactl info >/dev/null 2>&1; }

no_sound() { echo "pib3: no sound: $*" >&2; }

if oss_device_usable; then
  exec "$game" "$@"
elif ! pulse_dsp_installed || ! command -v pactl >/dev/null; then
  no_sound "no OSS device /dev/dsp and no PulseAudio OSS emulation; install Debian's pulseaudio-utils"
elif ! pulse_server_answers; then
  no_sound "no OSS device /dev/dsp and no PulseAudio or PipeWire sound server answers; install and start one (Debian's pulseaudio or pipewire-pulse)"
else
  LD_PRELOAD="${LD_PRELOAD:+$LD_PRELOAD }$pulse_dsp_library" exec "$game" "$@"
fi
exec "$game" "$@"
