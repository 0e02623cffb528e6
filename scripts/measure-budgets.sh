#!/usr/bin/env bash
# Measures Brackwell's budgets beside a bare Qt window of the same size, all in one run:
#   - time to the first painted window, resident memory and idle processor, of the game and of
#     the bare window (bench/bare_window.cpp), by the project's probe (bench/probe/) on a
#     private Xvfb and session bus;
#   - processor during the computer's flight and a draw's slide (the real window under Xvfb);
#   - processor time of one complete headless game to 101 (Google Benchmark).
#   RUNS=9 IDLE=10 bash scripts/measure-budgets.sh
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-9}
idle=${IDLE:-10}
out=$(mktemp -d)
trap 'rm -rf "$out"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true' EXIT

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

probe=build-release/brackwell_window_probe
"$probe" -n "$runs" --idle "$idle" -- build-release/brackwell_bare_window >"$out/floor.txt"
"$probe" -n "$runs" --idle "$idle" -- build-release/brackwell >"$out/game.txt"

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
DISPLAY=":$display" build-release/brackwell_animation_cpu 5 2>/dev/null >"$out/animation.txt"

build-release/bench/brackwell_bench --benchmark_min_time=3 --benchmark_format=json 2>/dev/null >"$out/bench.json"

python3 - "$out" "$runs" <<'PY'
import json, re, sys
out, runs = sys.argv[1], sys.argv[2]

def medians(name):  # the probe's summary: figure min median max
    lines = (l.split() for l in open(f"{out}/{name}.txt"))
    return {l[0]: float(l[2]) for l in lines if len(l) == 4 and l[0].endswith(("_ms", "_mib", "_pct"))}

floor, game = medians("floor"), medians("game")
anim = open(f"{out}/animation.txt").read()
flight = float(re.search(r"flight: ([\d.]+)", anim).group(1))
slide = float(re.search(r"slide: +([\d.]+)", anim).group(1))
bench = json.load(open(f"{out}/bench.json"))["benchmarks"][0]
game_cpu_ms = bench["cpu_time"] if bench["time_unit"] == "ms" else bench["cpu_time"] / 1e6

rows = [
    ("first painted window (ms, median)", game["painted_ms"], floor["painted_ms"],
     1.5 * floor["painted_ms"], "1.5 x floor"),
    ("resident memory (MiB, median)", game["rss_mib"], floor["rss_mib"],
     min(floor["rss_mib"] + 3, 32.0), "floor + 3, at most 32"),
    ("idle processor (% of a core, median)", game["idle_pct"], floor["idle_pct"], 0.3, "0.3"),
    ("flight (% of a core)", flight, None, 3.0, "3"),
    ("slide (% of a core)", slide, None, 3.0, "3"),
    ("one headless game (ms of processor)", game_cpu_ms, None, 5.0, "5"),
]
print(f"{'figure':38} {'game':>9} {'floor':>9} {'budget':>9}  result")
for name, value, base, limit, rule in rows:
    ok = "ok" if value <= limit else "OVER"
    base_s = f"{base:9.2f}" if base is not None else f"{'-':>9}"
    print(f"{name:38} {value:9.2f} {base_s} {limit:9.2f}  {ok} ({rule})")
print(f"(medians of {runs} starts; the window was mapped after {game['mapped_ms']:.1f} ms, "
      f"the floor's after {floor['mapped_ms']:.1f} ms)")
PY
