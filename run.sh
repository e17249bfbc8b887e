#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine and starts the game.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh" "$here/build"
cd "$here/build/data"
exec "$here/scripts/launch.sh" "$here/build/pib3" "$@"
