#!/usr/bin/env bash
# Measures Brackwell's budgets beside the bare Qt window, all in one run:
#   - time to the first painted window, resident memory and idle processor (guimeasure), for the
#     game and for the bare window;
#   - processor during the computer's flight and a draw's slide (the real window under Xvfb);
#   - processor time of one complete headless game to 101 (Google Benchmark).
# The measuring tools come from the workplace's shared folder: BRACKWELL_MEASURE_TOOLS.
set -euo pipefail
cd "$(dirname "$0")/.."
tools=${BRACKWELL_MEASURE_TOOLS:-../shared/tools}
runs=${RUNS:-9}
idle=${IDLE:-10}
out=$(mktemp -d)
trap 'rm -rf "$out"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true' EXIT

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
cmake -S "$tools/qtfloor" -B build-release/qtfloor -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release/qtfloor >/dev/null

"$tools/guimeasure" -n "$runs" --idle "$idle" --json "$out/floor.json" -- build-release/qtfloor/qtfloor >/dev/null
"$tools/guimeasure" -n "$runs" --idle "$idle" --json "$out/game.json" -- build-release/brackwell >/dev/null

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
DISPLAY=":$display" build-release/brackwell_animation_cpu 5 2>/dev/null >"$out/animation.txt"

build-release/bench/brackwell_bench --benchmark_min_time=3 --benchmark_format=json 2>/dev/null >"$out/bench.json"

python3 - "$out" <<'PY'
import json, re, sys
out = sys.argv[1]
floor = json.load(open(f"{out}/floor.json"))["summary"]
game = json.load(open(f"{out}/game.json"))["summary"]
anim = open(f"{out}/animation.txt").read()
flight = float(re.search(r"flight: ([\d.]+)", anim).group(1))
slide = float(re.search(r"slide: +([\d.]+)", anim).group(1))
bench = json.load(open(f"{out}/bench.json"))["benchmarks"][0]
game_cpu_ms = bench["cpu_time"] if bench["time_unit"] == "ms" else bench["cpu_time"] / 1e6

rows = [
    ("first window (ms, median)", game["map_s"]["median"], floor["map_s"]["median"],
     1.5 * floor["map_s"]["median"], "1.5 x floor"),
    ("resident memory (MiB, median)", game["rss_mib"]["median"], floor["rss_mib"]["median"],
     floor["rss_mib"]["median"] + 3, "floor + 3, at most 32"),
    ("idle processor (% of a core)", game["idle_pct"]["median"], floor["idle_pct"]["median"], 0.3, "0.3"),
    ("flight (% of a core)", flight, None, 10.0, "10"),
    ("slide (% of a core)", slide, None, 10.0, "10"),
    ("one headless game (ms of processor)", game_cpu_ms, None, 5.0, "5"),
]
print(f"{'figure':38} {'game':>9} {'floor':>9} {'budget':>9}  result")
for name, value, base, limit, rule in rows:
    if name.startswith("resident"):
        limit = min(limit, 32.0)
    ok = "ok" if value <= limit else "OVER"
    base_s = f"{base:9.2f}" if base is not None else f"{'-':>9}"
    print(f"{name:38} {value:9.2f} {base_s} {limit:9.2f}  {ok} ({rule})")
PY
