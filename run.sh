#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds the game and its data
# (not the tests) and starts the game.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh" --game "$here/build"
cd "$here/build/data"
exec "$here/scripts/launch.sh" "$here/build/pib3" "$@"
