#!/usr/bin/env bash
# The duplicate check must see a symbol defined twice even when the two
# objects share a file name, as world/board.cpp and figures/board.cpp would
# in the library's archive.
# Usage: unique_symbols_same_names.sh c++-compiler archiver
set -euo pipefail
cxx="$1"
ar="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/world" "$scratch/figures"
echo 'int Shared() { return 1; } int OnlyInWorld() { return 2; }' >"$scratch/world/board.cpp"
echo 'int Shared() { return 3; }' >"$scratch/figures/board.cpp"
for folder in world figures; do
  "$cxx" -c "$scratch/$folder/board.cpp" -o "$scratch/$folder/board.cpp.o"
done
"$ar" qc "$scratch/lib.a" "$scratch/world/board.cpp.o" "$scratch/figures/board.cpp.o"

if report=$(bash "$here/unique_symbols.sh" "$scratch/lib.a" 2>&1); then
  echo "FAIL: Shared() in two members named board.cpp.o passed unseen:" >&2
  echo "$report" >&2
  exit 1
fi
grep -q '^Shared(): board.cpp.o(member-1) board.cpp.o(member-2)$' <<<"$report" || {
  echo "FAIL: the check did not name Shared() in both members:" >&2
  echo "$report" >&2
  exit 1
}
echo "same-named members: ok"
