#!/usr/bin/env bash
# The animations' budgets read the game's flight and slide against the floor: both programs
# print the share of a core in the form the budget script reads, for the moves asked; the floor
# paints its tile at most once a frame of the display, and does paint it (at least one frame in
# ten, whatever else the machine is doing); bad usage is refused.
set -euo pipefail
[ -n "${ANIMATION_FLOOR:-}" ] || { echo "the floor is built with the benchmarks"; exit 77; }
out=$(mktemp -d)
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$out"' EXIT
read -r display <&3
export DISPLAY=":$display" XDG_RUNTIME_DIR="$out"

fail() { echo "FAIL: $*"; cat "$out"/*.txt; exit 1; }
holds() { awk "BEGIN { exit !($1) }"; }
field() { awk -v what="$1:" -v n="$2" '$1 == what { print $n }' "$3"; }

"$ANIMATION_FLOOR" 3 1.5 >"$out/floor.txt" 2>/dev/null || fail "the floor's status $?"
share=$(field floor 2 "$out/floor.txt") moves=$(field floor 11 "$out/floor.txt")
painted=$(field frames 2 "$out/floor.txt") shown=$(field frames 4 "$out/floor.txt")
holds "0 < $share && $share < 100" || fail "the floor's share $share %"
[ "$moves" = 3 ] || fail "$moves moves for 3"
holds "$painted <= $shown + 3" || fail "$painted paints in $shown frames"
holds "$painted >= $shown / 10 && $shown >= 45" || fail "$painted paints in $shown frames"

status=0
"$ANIMATION_FLOOR" 0 1 >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "no moves taken with status $status"

"$ANIMATION_CPU" 1 >"$out/game.txt" 2>/dev/null || fail "the game's status $?"
for what in flight slide; do
    share=$(field "$what" 2 "$out/game.txt") moves=$(field "$what" 11 "$out/game.txt")
    seconds=$(field "$what" 8 "$out/game.txt")
    holds "0 < $share && $share < 100 && $moves == 1 && $seconds > 0.1" ||
        fail "$what: $share % over $seconds s in $moves moves"
done
echo "animation floor: ok"
