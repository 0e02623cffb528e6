#!/usr/bin/env bash
# The probe behind the budgets: it reports sane figures for the bare window and the game, waits
# for a window to be painted all over rather than merely mapped or partly drawn, and gives up
# with status 3 on a program that never paints or exits without a window; a busy program's
# processor is counted, whatever its name.
set -euo pipefail
[ -n "${WINDOW_PROBE:-}" ] || { echo "the probe is built with the benchmarks"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
once=(-n 1 --warmup 0 --settle 0.3 --idle 0.5)

fail() { echo "FAIL: $*"; cat "$out/probe.txt"; exit 1; }
probe() {  # probe OPTIONS -- PROGRAM: runs the probe once, its output in probe.txt, sets status
    status=0
    "$WINDOW_PROBE" "$@" >"$out/probe.txt" || status=$?
}
median() { awk -v f="$1" '$1 == f { print $3 }' "$out/probe.txt"; }
holds() { awk "BEGIN { exit !($1) }"; }

for program in "$BARE_WINDOW" "$BRACKWELL_BIN"; do
    probe "${once[@]}" -- "$program"
    [ "$status" -eq 0 ] || fail "status $status for $program"
    mapped=$(median mapped_ms) painted=$(median painted_ms) rss=$(median rss_mib)
    idle=$(median idle_pct)
    holds "0 < $mapped && $mapped <= $painted && $painted < 20000" || fail "window times"
    holds "5 < $rss && $rss < 500" || fail "resident memory $rss MiB"
    holds "0 <= $idle && $idle <= 100" || fail "idle processor $idle %"
done

# Half the window drawn at once, the other half 400 ms later: painted only then.
probe "${once[@]}" -- "$LATE_PAINT" 400
[ "$status" -eq 0 ] || fail "status $status for a late paint"
holds "$(median painted_ms) - $(median mapped_ms) >= 400" || fail "painted before it was whole"

# Blanks and parentheses in a program's name must not shift the fields read from /proc.
cp "$LATE_PAINT" "$out/late) (a b c"
probe "${once[@]}" -- "$out/late) (a b c" 0 busy
[ "$status" -eq 0 ] || fail "status $status for a busy program"
holds "$(median idle_pct) > 20" || fail "a busy program measured idle"

probe "${once[@]}" --timeout 2 -- "$LATE_PAINT"
[ "$status" -eq 3 ] && grep -q "no painted window in time" "$out/probe.txt" ||
    fail "a half-painted window was taken as painted"
grep -q median "$out/probe.txt" && fail "figures without a painted window"

probe "${once[@]}" --timeout 10 -- true
[ "$status" -eq 3 ] && grep -q "exited without a painted window" "$out/probe.txt" ||
    fail "a program without a window"
echo "window probe: ok"
