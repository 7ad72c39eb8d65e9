#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures ventrose's start-up time (launch until the main window is mapped) and peak resident
# memory side by side with a minimal Qt window holding as many widgets, on a private X server.
# Ventrose runs three times in each round: on a first run (no settings file) in French, the same
# in English (a system whose language is English), and in French with a settings file that asks
# for the night colours, keeping on top and a place for every window. The programs
# are run alternately, so that load from other work on the machine falls on all alike; the
# figures are medians.
#
# Usage: scripts/bench_startup.sh BUILD_DIR        (RUNS=n sets the repetitions, default 15)
#
# Memory: when ventrose honours VENTROSE_EXIT_WHEN_SHOWN=1 (quit once the main window is
# exposed), both programs quit by themselves and /usr/bin/time -v gives their maximum resident
# set size. Otherwise both are ended once mapped, and their VmHWM is read just before.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/xvfb.sh"

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build_dir=$1
runs=${RUNS:-15}
warmups=2
ventrose=$build_dir/app/ventrose
minimal=$build_dir/bench/minimal_qt_window
timer=$build_dir/bench/x11-time-to-map
ventrose_caption="Ventrose pour FS"
english_caption="Ventrose for FS"
minimal_caption="Ventrose minimal window"
startup_goal=1.15
memory_goal_mb=8

if ! command -v Xvfb >/dev/null; then
  echo "Start-up: skipped, Xvfb is not installed"
  exit 0
fi
for program in "$minimal" "$timer"; do
  if [ ! -x "$program" ]; then
    echo "Start-up: skipped, $program is not built (configure with VENTROSE_WITH_QT=ON)"
    exit 0
  fi
done
if [ ! -x /usr/bin/time ]; then
  echo "Start-up: /usr/bin/time is missing (make deps installs it)" >&2
  exit 1
fi

work=$(mktemp -d)
cleanup() {
  rm -rf "$work"
}
trap cleanup EXIT

if ! xvfb_start 1280x1024x24 "$work/xvfb.log"; then
  echo "Start-up: the X server did not start" >&2
  exit 1
fi
# Qt warns on every start without it; the warning is noise here, not a difference.
export XDG_RUNTIME_DIR=$work/runtime
# The French program, whose main window's title it waits for, whatever this machine's language;
# the English run says otherwise for itself.
export LANGUAGE=fr
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

have_ventrose=false
[ -x "$ventrose" ] && have_ventrose=true

# Does ventrose quit by itself once shown? One probe run tells.
mode="kill"
if $have_ventrose; then
  probe=$(VENTROSE_EXIT_WHEN_SHOWN=1 "$timer" --timeout 8 "$ventrose_caption" "$ventrose" 2>/dev/null || true)
  case $probe in
    *status=0) mode=self-exit ;;
  esac
fi

# One run of one program: appends "map_ms peak_kb" to the program's results file.
measure() {
  local name=$1 caption=$2 results=$3
  shift 3
  local line map peak
  if [ "$mode" = self-exit ]; then
    line=$("$timer" "$caption" /usr/bin/time -v -o "$work/time.txt" "$@" 2>>"$work/$name.log") || true
    peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    case $line in
      *status=0) ;;
      *) echo "Start-up: $name did not quit cleanly: $line" >&2; exit 1 ;;
    esac
  else
    line=$("$timer" --kill "$caption" "$@" 2>>"$work/$name.log") || true
    peak=$(sed -n 's/.*vmhwm_kb=\([0-9]*\).*/\1/p' <<<"$line")
  fi
  map=$(sed -n 's/^map_ms=\([0-9.]*\).*/\1/p' <<<"$line")
  if [ -z "$map" ] || [ -z "$peak" ]; then
    echo "Start-up: could not measure $name: $line (see its log below)" >&2
    tail -n 20 "$work/$name.log" >&2
    exit 1
  fi
  echo "$map $peak" >>"$results"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

minimal_args=("$minimal")
[ "$mode" = self-exit ] && minimal_args+=(--exit-when-mapped)
# Settings of the benchmark's own: none for the first runs, a file saved as a pilot would leave
# it for the others (the programs are ended, not closed, so neither is written).
no_settings=$work/no-settings
saved_settings=$work/saved-settings
mkdir -p "$no_settings" "$saved_settings/Ventrose"
cat >"$saved_settings/Ventrose/Ventrose.conf" <<'CONF'
[display]
onTop=true
palette=nuit

[windows]
frmMainCalc\x=120
frmMainCalc\y=80
frmVitesse\x=300
frmVitesse\y=200
frmDescente\x=320
frmDescente\y=220
frmConversions\x=340
frmConversions\y=240
frmQuit\x=360
frmQuit\y=260
CONF
ventrose_env=(env)
[ "$mode" = self-exit ] && ventrose_env+=(VENTROSE_EXIT_WHEN_SHOWN=1)
first_env=("${ventrose_env[@]}" XDG_CONFIG_HOME="$no_settings")
saved_env=("${ventrose_env[@]}" XDG_CONFIG_HOME="$saved_settings")
english_env=("${ventrose_env[@]}" XDG_CONFIG_HOME="$no_settings" LANGUAGE=en)

for run in $(seq $((warmups + runs))); do
  results_suffix=""
  # The first runs fill the disk cache and are not counted.
  [ "$run" -le "$warmups" ] && results_suffix=.warmup
  measure minimal "$minimal_caption" "$work/minimal$results_suffix" "${minimal_args[@]}"
  if $have_ventrose; then
    measure ventrose "$ventrose_caption" "$work/ventrose$results_suffix" "${first_env[@]}" "$ventrose"
    measure ventrose-settings "$ventrose_caption" "$work/ventrose-settings$results_suffix" \
      "${saved_env[@]}" "$ventrose"
    measure ventrose-english "$english_caption" "$work/ventrose-english$results_suffix" \
      "${english_env[@]}" "$ventrose"
  fi
done

minimal_ms=$(cut -d' ' -f1 "$work/minimal" | median)
minimal_kb=$(cut -d' ' -f2 "$work/minimal" | median)

echo "Start-up under Xvfb: launch until the main window is mapped, median of $runs runs"
echo "(memory: $([ "$mode" = self-exit ] && echo "maximum resident set size, /usr/bin/time -v" || echo "VmHWM once mapped; ventrose does not yet honour VENTROSE_EXIT_WHEN_SHOWN"))"
if ! $have_ventrose; then
  printf '  %-22s %10.1f ms %10.1f MB\n' "minimal Qt window" "$minimal_ms" "$(awk -v k="$minimal_kb" 'BEGIN { print k / 1024 }')"
  echo "  ventrose: not built ($ventrose)"
  exit 0
fi
ventrose_ms=$(cut -d' ' -f1 "$work/ventrose" | median)
ventrose_kb=$(cut -d' ' -f2 "$work/ventrose" | median)
settings_ms=$(cut -d' ' -f1 "$work/ventrose-settings" | median)
settings_kb=$(cut -d' ' -f2 "$work/ventrose-settings" | median)
english_ms=$(cut -d' ' -f1 "$work/ventrose-english" | median)
english_kb=$(cut -d' ' -f2 "$work/ventrose-english" | median)
# The spread of each program's start-up: its fastest and slowest runs.
spread() { cut -d' ' -f1 "$work/$1" | sort -n | awk 'NR == 1 { low = $1 } { high = $1 } END { printf "%.1f-%.1f ms", low, high }'; }

awk -v mm="$minimal_ms" -v mk="$minimal_kb" -v vm="$ventrose_ms" -v vk="$ventrose_kb" \
    -v sm="$settings_ms" -v sk="$settings_kb" -v em="$english_ms" -v ek="$english_kb" \
    -v tg="$startup_goal" -v mg="$memory_goal_mb" '
  BEGIN {
    ratio = vm / mm
    extra = (vk - mk) / 1024
    fmt = "  %-30s %14s %18s\n"
    printf fmt, "", "start-up", "peak memory"
    printf fmt, "minimal Qt window", sprintf("%.1f ms", mm), sprintf("%.1f MB", mk / 1024)
    printf fmt, "ventrose", sprintf("%.1f ms", vm), sprintf("%.1f MB", vk / 1024)
    printf fmt, "ventrose vs minimal", sprintf("%.2fx", ratio), sprintf("%+.1f MB", extra)
    printf fmt, "ventrose, settings", sprintf("%.1f ms", sm), sprintf("%.1f MB", sk / 1024)
    printf fmt, "ventrose, settings vs minimal", sprintf("%.2fx", sm / mm), sprintf("%+.1f MB", (sk - mk) / 1024)
    printf fmt, "ventrose, English", sprintf("%.1f ms", em), sprintf("%.1f MB", ek / 1024)
    printf fmt, "ventrose, English vs minimal", sprintf("%.2fx", em / mm), sprintf("%+.1f MB", (ek - mk) / 1024)
    printf fmt, "goal", sprintf("<= %.2fx", tg), sprintf("<= +%d MB", mg)
    printf fmt, "verdict", (ratio <= tg && sm / mm <= tg && em / mm <= tg ? "met" : "MISSED"), (extra <= mg && (ek - mk) / 1024 <= mg ? "met" : "MISSED")
  }'
echo "  start-up spread, fastest-slowest: minimal $(spread minimal), ventrose $(spread ventrose)," \
  "English $(spread ventrose-english), settings $(spread ventrose-settings)"
