#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of every window of ventrose on a private X server, for docs/.
# Usage: screenshots.sh BUILD_DIR OUTPUT_DIR [SCALE] [PALETTE]
# PALETTE is jour (the default), nuit or nuit-rouge; the night ones are named NAME-PALETTE.png.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/xvfb.sh"

build=$1
out=$2
scale=${3:-1}
palette=${4:-jour}
suffix=""
[ "$palette" != "jour" ] && suffix="-$palette"
[ "$scale" != "1" ] && suffix="$suffix-${scale}x"
mkdir -p "$out"

app_pid=""
# Settings of its own, empty: what a person saved on this machine changes no screenshot.
settings=$(mktemp -d)
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$settings"
}
trap cleanup EXIT
xvfb_start 2400x2000x24 || { echo "screenshots: the X server did not start" >&2; exit 1; }

# Its data folder there too: the log window keeps its copy against a crash in it.
# The French windows, whatever this machine's language.
XDG_CONFIG_HOME=$settings XDG_DATA_HOME=$settings QT_SCALE_FACTOR=$scale \
  "$build/app/ventrose" --palette "$palette" --langue fr &
app_pid=$!

window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
shoot() { sleep 0.5; import -window "$(window "$1")" "$out/$2$suffix.png"; }
# Buttons along the bottom of the main window, in design pixels (centre of each).
press() {
  local main
  main=$(window "Ventrose pour FS")
  xdotool mousemove --window "$main" "$(awk "BEGIN { print int($1 * $scale) }")" "$(awk "BEGIN { print int(488 * $scale) }")" click 1
}
close_window() { "$build/tests/smoke/x11-close-request" "$(window "$1")"; sleep 0.5; }

shoot "Ventrose pour FS" main-window
press 226
shoot "Calcul : Vitesse Indiquée > Vitesse Propre" airspeed-window
close_window "Calcul : Vitesse Indiquée > Vitesse Propre"
press 373
shoot "Taux, distance, Vs, Tsv    montée / descente " descent-window
close_window "Taux, distance, Vs, Tsv    montée / descente "
press 79
shoot "Conversions" conversions-window
close_window "Conversions"
# The log window, with a route of four legs opened through its own dialog, as a person does, the
# exact triangle's columns shown.
cat >"$settings/route.vlog" <<'EOF'
{
  "format": "ventrose-log",
  "version": 2,
  "Vp": 120,
  "departure": "09:30",
  "fuel": {"unit": "usgal", "atDeparture": 100.5, "perHour": 20, "reserve": 70},
  "origin": {"waypoint": "Toussus-le-Noble"},
  "legs": [
    {"waypoint": "Melun", "Rm": 90, "D": 40, "V": 120, "Vw": 20, "actual": "10:00"},
    {"waypoint": "Pithiviers", "Rm": 180, "D": 30, "V": 120, "Vw": 20},
    {"waypoint": "Montargis", "Rm": 135, "D": 28, "V": 120, "Vw": 20},
    {"waypoint": "Gien", "Rm": 200, "D": 33, "V": 150, "Vw": 25}
  ],
  "exactTriangle": true
}
EOF
xdotool windowfocus --sync "$(window "Ventrose pour FS")"
xdotool key ctrl+l
window "Log de navigation" >/dev/null
xdotool key ctrl+o
window "Ouvrir un log de navigation" >/dev/null
sleep 0.3
xdotool type --delay 20 "$settings/route.vlog"
xdotool key Return
shoot "Log de navigation - route.vlog" navlog-window
close_window "Log de navigation - route.vlog"
press 520
shoot "A propos de ...." about-window
