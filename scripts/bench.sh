#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark program of a build (BUILD_DIR/bench/*_bench), then the start-up and
# memory comparison, and prints one table at the end: what, measured, goal, met?
#
# Usage: scripts/bench.sh BUILD_DIR      (what `make bench` calls with build/default)
# Extra Google Benchmark options may be given in BENCH_ARGS, e.g. BENCH_ARGS=--benchmark_min_time=0.1
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build_dir=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
programs=("$build_dir"/bench/*_bench)
shopt -u nullglob
if [ ${#programs[@]} -eq 0 ]; then
  echo "No benchmark programs in $build_dir/bench (configure with VENTROSE_WITH_BENCH=ON)" >&2
fi

for program in "${programs[@]}"; do
  name=$(basename "$program")
  echo "Running $name..."
  # shellcheck disable=SC2086 # BENCH_ARGS is a list of options
  "$program" --benchmark_format=json ${BENCH_ARGS:-} >"$work/$name.json" 2>"$work/$name.log" || {
    echo "$name failed:" >&2
    cat "$work/$name.log" >&2
    exit 1
  }
done

echo "Measuring start-up..."
bash "$here/bench_startup.sh" "$build_dir" >"$work/startup.txt" 2>"$work/startup.log" || {
  echo "start-up measurement failed:" >&2
  cat "$work/startup.txt" "$work/startup.log" >&2
}

echo
python3 - "$work" <<'PY'
import json, os, re, sys

work = sys.argv[1]
to_ns = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}

def runs(program):
    path = os.path.join(work, program + ".json")
    if not os.path.exists(path):
        return []
    with open(path) as f:
        data = json.load(f)
    # Repetitions add aggregate rows; the plain iterations are the measurements.
    return [(b["name"], b["real_time"] * to_ns[b.get("time_unit", "ns")])
            for b in data.get("benchmarks", []) if b.get("run_type", "iteration") == "iteration"]

def show(ns):
    if ns >= 1e6:
        return "%.2f ms" % (ns / 1e6)
    if ns >= 1e3:
        return "%.2f µs" % (ns / 1e3)
    return "%.1f ns" % ns

rows = []

def timing(what, program, prefix, goal_ns, goal_text):
    found = [(name, ns) for name, ns in runs(program) if name.startswith(prefix)]
    if not found:
        rows.append((what, "not measured (%s not built)" % program, goal_text, "-"))
        return
    name, ns = max(found, key=lambda r: r[1])
    shown = name[len(prefix):] if prefix.endswith("/") else name
    worst = " (worst: %s)" % shown if len(found) > 1 else ""
    rows.append((what, show(ns) + worst, goal_text, "yes" if ns < goal_ns else "NO"))

timing("wind recomputation with its texts", "wind_bench", "BM_WindRecomputation", 1e3, "< 1 µs")
timing("exact wind triangle with its texts", "wind_bench", "BM_ExactTriangle", 1e3, "< 1 µs")
timing("FormatNumber, double, per call", "format_bench", "FormatDouble/", 100, "< 100 ns")
timing("FormatNumber, decimal, per call", "format_bench", "FormatDecimal/", 100, "< 100 ns")
timing("exact true airspeed and Mach", "airspeed_bench", "BM_VpExacte/", 1e3, "< 1 µs")
timing("main window pass through the runtime", "mainwindow_bench", "BM_CalculVent", 3e3, "< 3 µs")
timing("navigation log of 100 legs, computed from nothing", "navlog_bench", "BM_CalculLog", 200e3, "< 200 µs")
timing("navigation log of 100 legs, after one change", "navlog_bench", "BM_RecalculLog", 200e3, "< 200 µs")
timing("open a 100-leg log (ReadLog)", "navlog_bench", "BM_ReadLog", 20e6, "< 20 ms")
timing("save a 100-leg log (WriteLog)", "navlog_bench", "BM_WriteLog", 20e6, "< 20 ms")
timing("open a 100-leg .vlog file (read, ReadLog)", "documents_bench", "BM_OpenLogFile", 20e6, "< 20 ms")
timing("save a 100-leg .vlog file (WriteLog, QSaveFile)", "documents_bench", "BM_SaveLogFile", 20e6, "< 20 ms")
timing("PDF of a 100-leg log (5 kneeboard pages)", "documents_bench", "BM_PdfLog", 1e9, "< 1 s")
timing("flight plan of 100 points read and made into legs (worst format)", "plan_import_bench",
       "BM_ImportPlan/", 20e6, "< 20 ms")
timing("flight plan of 100 points imported into the log window, bytes to figures shown (worst format)",
       "logwindow_bench", "BM_ImportIntoWindow/", 20e6, "< 20 ms")
timing("one magnetic variation (WMM2025)", "plan_import_bench", "BM_Variation", 20e3, "< 20 µs")
timing("automatic Top: one position fix judged against the current leg", "waypointpass_bench",
       "BM_JudgeOneFix", 5e3, "< 5 µs")
timing("automatic Top: the line that says where the aircraft is", "waypointpass_bench",
       "BM_CurrentLegText", 1e3, "< 1 µs")
timing("log window after one key, 100 legs, through the runtime", "logwindow_bench",
       "BM_LogWindowAfterOneKey/", 200e3, "< 200 µs")
heap = [b for b in (json.load(open(os.path.join(work, "logwindow_bench.json"))).get("benchmarks", [])
                    if os.path.exists(os.path.join(work, "logwindow_bench.json")) else [])
        if b["name"].startswith("BM_LogWindowMemory")]
if heap:
    mb = heap[0].get("heap_bytes", 0) / 1e6
    rows.append(("heap of a 100-leg log open in its window (model)", "%.2f MB" % mb, "< 5 MB",
                 "yes" if mb < 5 else "NO"))
timing("one step on the Qt view", "qt_step_bench", "BM_QtArrowStep", 200e3, "< 200 µs")
timing("flight plan of 100 points (.pln) imported into the log window on the Qt widgets, repainted",
       "qt_step_bench", "BM_QtImportIntoLogWindow", 20e6, "< 20 ms")
timing("palette switch, every open window repainted", "qt_step_bench", "BM_SwitchPalette", 50e6,
       "< 50 ms")

def language_switch():
    found = [b for b in (json.load(open(os.path.join(work, "language_bench.json"))).get("benchmarks", [])
                         if os.path.exists(os.path.join(work, "language_bench.json")) else [])
             if b["name"].startswith("BM_SwitchLanguage/") and b.get("run_type", "iteration") == "iteration"]
    what = "language switch, every window open (99-leg log), repainted"
    if not found:
        rows.append((what, "not measured (language_bench not built)", "< 100 ms", "-"))
        return
    worst = max(found, key=lambda b: b.get("median_ms", 0))
    shown = "; ".join("%s median %.1f ms (%.1f-%.1f)" % (
        "to French" if b["name"].split("/")[1] == "to_fr:1" else "to English",
        b.get("median_ms", 0), b.get("fastest_ms", 0), b.get("slowest_ms", 0)) for b in found)
    rows.append((what, shown, "< 100 ms", "yes" if worst.get("median_ms", 1e9) < 100 else "NO"))

language_switch()

def raw(program, name):
    path = os.path.join(work, program + ".json")
    if not os.path.exists(path):
        return None
    with open(path) as f:
        for b in json.load(f).get("benchmarks", []):
            if b["name"] == name:
                return b["real_time"]
    return None

def sim(what, name, goal, below, shown):
    value = raw("sim_link_bench", name)
    if value is None:
        rows.append((what, "not measured (sim_link_bench not built)", goal, "-"))
        return
    rows.append((what, shown(value), goal, "yes" if value >= 0 and value < below else "NO"))

sim("simulator datagram to the main window's labels (offscreen), 99th percentile",
    "DatagramToLabels_p99", "< 1 ms",
    1e6, show)
flood_rate = raw("sim_link_bench", "FloodDatagramsPerSecond") or 0
sim("event loop during a flood of X-Plane replies, worst lateness", "FloodEventLoopLateness_max",
    "< 50 ms", 50e6, lambda ns: "%s (%.0f datagrams/s read)" % (show(ns), flood_rate))
sim("memory growth during that flood", "FloodMemoryGrowth", "flat (< 1 MB)", 1024,
    lambda kib: "%+.0f KiB" % kib)
sim("CPU, X-Plane chosen, no simulator", "IdleCpu_XPlane", "< 0.5 % of a core", 0.5,
    lambda p: "%.3f %%" % p)
sim("CPU, FlightGear chosen, no simulator", "IdleCpu_FlightGear", "< 0.5 % of a core", 0.5,
    lambda p: "%.3f %%" % p)

startup = open(os.path.join(work, "startup.txt")).read() if os.path.exists(os.path.join(work, "startup.txt")) else ""
cells = {}
for label in ("minimal Qt window", "ventrose", "ventrose vs minimal", "ventrose, settings",
              "ventrose, settings vs minimal", "ventrose, English", "ventrose, English vs minimal"):
    m = re.search(r"^\s+" + re.escape(label) + r"\s{2,}(\S+ \S+|\S+)\s+(\S+ \S+|\S+)\s*$", startup, re.M)
    if m:
        cells[label] = (m.group(1), m.group(2))
if "ventrose vs minimal" in cells:
    ratio_text, extra_text = cells["ventrose vs minimal"]
    ratio = float(ratio_text.rstrip("x"))
    extra = float(extra_text.split()[0])
    (mm, mk), (vm, vk) = cells["minimal Qt window"], cells["ventrose"]
    rows.append(("start-up against the minimal Qt program", "%.2f× (%s against %s)" % (ratio, vm, mm),
                 "≤ 1.15×", "yes" if ratio <= 1.15 else "NO"))
    rows.append(("peak memory against the minimal Qt program", "%+.1f MB (%s against %s)" % (extra, vk, mk),
                 "≤ +8 MB", "yes" if extra <= 8 else "NO"))
    if "ventrose, settings vs minimal" in cells:
        saved_ratio = float(cells["ventrose, settings vs minimal"][0].rstrip("x"))
        sm = cells["ventrose, settings"][0]
        rows.append(("start-up with a settings file (night, on top, places)",
                     "%.2f× (%s against %s)" % (saved_ratio, sm, mm), "≤ 1.15×",
                     "yes" if saved_ratio <= 1.15 else "NO"))
    if "ventrose, English vs minimal" in cells:
        english_ratio = float(cells["ventrose, English vs minimal"][0].rstrip("x"))
        em = cells["ventrose, English"][0]
        rows.append(("start-up in English (an English system, no settings)",
                     "%.2f× (%s against %s)" % (english_ratio, em, mm), "≤ 1.15×",
                     "yes" if english_ratio <= 1.15 else "NO"))
else:
    why = startup.strip().splitlines()[0] if startup.strip() else "not measured"
    rows.append(("start-up against the minimal Qt program", why, "≤ 1.15×", "-"))
    rows.append(("peak memory against the minimal Qt program", why, "≤ +8 MB", "-"))

header = ("what", "measured", "goal", "met?")
widths = [max(len(r[i]) for r in rows + [header]) for i in range(4)]
line = "  ".join("%%-%ds" % w for w in widths)
print((line % header).rstrip())
print(line % tuple("-" * w for w in widths))
for r in rows:
    print((line % r).rstrip())
# Start-up figures are medians on a machine that may be busy: their spread says how far to trust them.
spread = re.search(r"^\s+(start-up spread.*)$", startup, re.M)
if spread:
    print()
    print(spread.group(1))
PY
