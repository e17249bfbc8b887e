#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine and runs every test under a
# virtual display. Exits non-zero when any test fails.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/build"
"$here/scripts/setup.sh" "$build"
cd "$build"
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --output-on-failure -j "$(nproc)" --timeout 900
