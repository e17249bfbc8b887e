#!/usr/bin/env bash
# The duplicate check sees a symbol defined in two archive members of one
# name, as world/board.cpp and figures/board.cpp would make.
# Usage: unique_symbols_same_names.sh c++-compiler archiver
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for folder in world figures; do
  mkdir "$scratch/$folder"
  echo 'int Shared() { return 1; }' >"$scratch/$folder/board.cpp"
  "$1" -c "$scratch/$folder/board.cpp" -o "$scratch/$folder/board.cpp.o"
done
"$2" qc "$scratch/lib.a" "$scratch/world/board.cpp.o" "$scratch/figures/board.cpp.o"
report=$(bash "$(dirname "$0")/unique_symbols.sh" "$scratch/lib.a" 2>&1) && passed=1 || passed=0
if [ $passed = 1 ] || ! grep -qx 'Shared(): board.cpp.o(member-1) board.cpp.o(member-2)' <<<"$report"; then
  echo "FAIL: Shared() in two members named board.cpp.o was not reported:" >&2
  echo "$report" >&2
  exit 1
fi
echo "same-named members: ok"
