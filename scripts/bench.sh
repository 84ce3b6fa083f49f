#!/usr/bin/env bash
# Builds in release mode (build-bench/), runs every benchmark of bench/ and ends with one table:
# each figure, its goal and whether the goal is met.
# Exit status: 0 every goal met; 1 a goal missed; anything else, a benchmark failed to run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export TAVIR_BUILD_DIR=${TAVIR_BUILD_DIR:-build-bench}
TAVIR_BUILD_TYPE=Release scripts/build.sh -DTAVIR_BUILD_TESTS=OFF -DTAVIR_BUILD_BENCH=ON
bin=$TAVIR_BUILD_DIR/bench
out=$(mktemp -d "${TMPDIR:-/tmp}/tavir-bench.XXXXXX")
trap 'rm -rf "$out"' EXIT

# run NAME COMMAND...: runs one benchmark program, its output shown and kept in $out/NAME.txt.
run() {
  local name=$1; shift
  "$@" 2>&1 | tee "$out/$name.txt" || { echo "bench: $name failed to run" >&2; exit 2; }
}
export QT_QPA_PLATFORM=offscreen
gbench=(--benchmark_min_time=0.2 --benchmark_out_format=json)
run core "$bin/tavir_core_bench" "${gbench[@]}" --benchmark_out="$out/core.json"
run ui "$bin/tavir_ui_bench" "${gbench[@]}" --benchmark_out="$out/ui.json"
run startup "$bin/tavir_startup_bench"
# Opening a large statement in the exercise area, until it has painted: a megabyte of text,
# and a single word of a megabyte (broken into pieces the layout can take).
run rtftext "$bin/tavir_rtf_open_bench" text 1
run rtfword "$bin/tavir_rtf_open_bench" word 1
# A 50 MB statement: refused from its size, before it is read.
run rtfbig "$bin/tavir_rtf_open_bench" text 50
# Texts made of structure, each at the area's limit for it (shown) and at ten times it
# (refused by its message), then just below every limit at once.
structures=(paragraphs lines tabs cells rows runs)
for kind in "${structures[@]}"; do
  run "rtf-$kind-limit" "$bin/tavir_rtf_open_bench" "$kind" limit
  run "rtf-$kind-10x" "$bin/tavir_rtf_open_bench" "$kind" 10x
done
run rtf-limits "$bin/tavir_rtf_open_bench" limits 1

# CPU while animating. The real main window runs on a real X server (Xvfb) with a shipped
# series whose first construction, methane, turns in the 3D view at the default 55 ms
# interval; after one second for start-up, the program's own CPU time (user + system, from
# getrusage) is read over 10 s of animation and divided by the wall time. The program refuses
# to report when the timer did not tick as often as expected, so a stalled animation cannot pass
# for a cheap one. The X server's own work is not counted: it is not the program's.
series=$TAVIR_BUILD_DIR/share/tavir/exercices/02-methane/correction.C01
run animation xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
  "$bin/tavir_animation_cpu_bench" "$series" 10

# Whole-process start-up against an empty window of the same toolkit and flags: exec to a
# mapped window and the peak memory, alternating, each start under an X server of its own.
run process python3 bench/process_startup.py "$TAVIR_BUILD_DIR/src/app/tavir" "$bin/tavir_empty_window" \
  "$bin/tavir_text_window" 7

# The browser edition in headless Chromium.
scripts/build-web.sh >/dev/null
(cd tests/web && npm ci --no-audit --no-fund >/dev/null)
run web node bench/web_page_bench.mjs

python3 - "$out" "${structures[@]}" <<'PY'
import json, re, sys
from pathlib import Path

out = Path(sys.argv[1])
UNIT = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
broken = []
labels = {}

def gbench(name):
    """Benchmark runs by name from a Google Benchmark JSON file, per-iteration real time in s."""
    runs = {}
    for b in json.loads((out / name).read_text())["benchmarks"]:
        if b.get("error_occurred"):
            broken.append(f"{b['name']}: {b.get('error_message', 'failed')}")
            continue
        # "BM_x/repeats:5_median" is kept as "BM_x_median".
        name = re.sub(r"/repeats:[0-9]+$", "", b.get("run_name", b["name"]))
        if b.get("run_type") == "aggregate":
            name += "_" + b["aggregate_name"]
        runs[name] = b["real_time"] * UNIT[b["time_unit"]]
        labels[name] = b.get("label", "")
    return runs

def line(name, pattern):
    m = re.search(pattern, (out / name).read_text())
    if not m:
        broken.append(f"{name}: no figure in its output")
    return m

core, ui = gbench("core.json"), gbench("ui.json")

def one(runs, name):
    if name not in runs:
        broken.append(f"{name}: missing")
    return runs.get(name)

def worst(runs, prefix):
    found = {k: v for k, v in runs.items() if k.startswith(prefix)}
    if not found:
        broken.append(f"{prefix}*: missing")
        return None, ""
    k = max(found, key=found.get)
    return found[k], k[len(prefix):]

def fmt_time(s):
    if s >= 1e-3: return f"{s * 1e3:.1f} ms"
    if s >= 1e-6: return f"{s * 1e6:.1f} µs"
    return f"{s * 1e9:.0f} ns"

def fmt_goal(s):
    return "≤ " + fmt_time(s).replace(".0 ", " ")

rows = []  # (figure, measured time in s, goal in s)
rows.append(("majliaison, 1,000 random boards (median)", one(core, "BM_majliaison_median"), 2e-6))
rows.append(("board redraw, offscreen image (median)", one(ui, "BM_boardRedraw_median"), 100e-6))
m = line("startup.txt", r"median ([0-9.]+) ms")
rows.append(("start-up to first paint, 20 runs (median)", float(m.group(1)) * 1e-3 if m else None, 150e-3))
t, which = worst(ui, "BM_animationFrame/")
rows.append((f"3D frame, 242x202 image (slowest of 12: {which})", t, 200e-6))
rows.append(("calculator, 40-character expression", one(core, "BM_TypicalExpression"), 20e-6))
if labels.get("BM_TypicalExpression", "40 characters") != "40 characters":
    broken.append("BM_TypicalExpression: the expression is no longer 40 characters long")

for name, what, goal in (("rtftext.txt", "1 MB statement opened in the exercise area", 300e-3),
                         ("rtfword.txt", "1 MB single word opened in the exercise area", 1.0)):
    m = line(name, r": ([0-9]+) ms, .*shown: yes")
    rows.append((what, float(m.group(1)) * 1e-3 if m else None, goal))

for pattern, what, goal in ((r"page ready: median ([0-9.]+) ms", "page: navigation to a usable board (median)", 300e-3),
                            (r"edit to all views: median ([0-9.]+) ms", "page: one edit, every view redrawn (median)", 16e-3),
                            (r"3D frame: median ([0-9.]+) ms", "page: one 3D frame (median)", 2e-3),
                            (r"largest exercise opened: median ([0-9.]+) ms", "page: largest exercise opened (median)", 100e-3),
                            (r"1 MB statement opened: median ([0-9.]+) ms", "page: 1 MB statement to its first frame (median)", 500e-3)):
    m = line("web.txt", pattern)
    rows.append((what, float(m.group(1)) * 1e-3 if m else None, goal))

m = line("rtfbig.txt", r": ([0-9]+) ms, .*shown: refused")
rows.append(("50 MB statement refused", float(m.group(1)) * 1e-3 if m else None, 50e-3))

# The window is blocked by the opening itself, then by the longest wait of its event loop.
def blocked(name):
    m = line(name, r": ([0-9]+) ms, then longest stall ([0-9]+) ms, .*shown: yes")
    return max(float(m.group(1)), float(m.group(2))) * 1e-3 if m else None

for kind in sys.argv[2:] + ["limits"]:
    if kind == "limits":
        rows.append(("text just below every limit at once: window blocked", blocked("rtf-limits.txt"), 500e-3))
        continue
    rows.append((f"{kind} at the limit: window blocked", blocked(f"rtf-{kind}-limit.txt"), 500e-3))
    m = line(f"rtf-{kind}-10x.txt", r": ([0-9]+) ms, .*shown: refused")
    rows.append((f"{kind} at ten times the limit: refused", float(m.group(1)) * 1e-3 if m else None, 50e-3))

table = [(f, fmt_time(v) if v is not None else "-", fmt_goal(g), v is not None and v <= g)
         for f, v, g in rows]
m = line("rtfbig.txt", r"peak memory ([0-9]+) MB, shown: refused")
if m:
    table.append(("50 MB statement refused: peak memory", f"{m.group(1)} MB", "≤ 60 MB", int(m.group(1)) <= 60))
m = line("web.txt", r"memory: JS heap ([0-9.]+) MiB, WebAssembly memory ([0-9.]+) MiB")
if m:
    table.append(("page: memory (JS heap + WebAssembly)", f"{m.group(1)} + {m.group(2)} MiB", "reported", True))
m = line("animation.txt", r"([0-9.]+) % of one core")
cpu = float(m.group(1)) if m else None
table.append(("whole program animating at 55 ms, 10 s (CPU)",
              f"{cpu:.2f} % of a core" if cpu is not None else "-", "≤ 5 % of a core",
              cpu is not None and cpu <= 5.0))

m = line("process.txt", r"ratio to empty: time ([0-9.]+), memory ([0-9.]+)")
if m:
    table.append(("whole-process start-up / empty window (median of 7)", f"{m.group(1)} ×", "≤ 1.15 ×", float(m.group(1)) <= 1.15))
    table.append(("peak memory / empty window (median of 7)", f"{m.group(2)} ×", "≤ 1.2 ×", float(m.group(2)) <= 1.2))
m = line("process.txt", r"ratio to text: time ([0-9.]+), memory ([0-9.]+)")
if m:
    table.append(("start-up / empty window with one line of text", f"{m.group(1)} ×", "reported", True))
    table.append(("peak memory / empty window with one line of text", f"{m.group(2)} ×", "reported", True))

w = [max(len(r[i]) for r in table + [("figure", "measured", "goal", "")]) for i in range(3)]
print()
print(f"{'figure':<{w[0]}}  {'measured':>{w[1]}}  {'goal':<{w[2]}}  met")
print("-" * (w[0] + w[1] + w[2] + 10))
for f, v, g, ok in table:
    print(f"{f:<{w[0]}}  {v:>{w[1]}}  {g:<{w[2]}}  {'yes' if ok else 'NO'}")
if broken:
    print("\nbenchmarks that failed to run:", *broken, sep="\n  ", file=sys.stderr)
    sys.exit(2)
missed = [f for f, v, g, ok in table if not ok]
if missed:
    print("\nGOAL MISSED:", *missed, sep="\n  ")
    sys.exit(1)
print("\nevery goal met")
PY
