#!/usr/bin/env bash
# Fails when two objects of the game's library define the same strong
# symbol. An archive hands the linker whichever definition it meets first,
# so a leftover second copy of a function can hide behind the real one, or
# silently replace it under another link order.
# Usage: unique_symbols.sh path/to/libpibgame.a
set -euo pipefail
lib="$1"
[ -f "$lib" ] || { echo "FAIL: no library at $lib" >&2; exit 1; }

# nm prints each object's symbols under an "object:" line, in the order the
# objects stand in the archive. Objects are told apart by that place, not by
# name: two sources of one name in different folders (world/board.cpp and
# figures/board.cpp) become two members of the same name. Weak (W, V),
# unique (u) and undefined symbols are allowed more than once.
dupes=$(nm --defined-only "$lib" |
  awk '/^[^ ]+:$/ { member++; name = substr($0, 1, length($0) - 1); next }
       NF >= 3 && $(NF-1) ~ /^[BCDGRST]$/ { print name "(member-" member ")", $NF }' |
  sort -u | awk '{ count[$2]++; seen[$2] = seen[$2] " " $1 }
                 END { for (s in count) if (count[s] > 1) print s ":" seen[s] }' | sort)
if [ -n "$dupes" ]; then
  echo "FAIL: symbols defined in more than one object of $(basename "$lib"):" >&2
  echo "$dupes" | c++filt >&2
  exit 1
fi
echo "unique symbols: ok ($(nm --defined-only "$lib" | grep -c ' [BCDGRST] ') strong definitions)"
